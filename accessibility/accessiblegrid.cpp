#include "accessiblegrid.h"

#include "boardcontrols.h"

namespace accessibility {

namespace {

QString gridName()
{
    return QStringLiteral("Játéktábla");
}

// The grid has no widget of its own: the tile boxes lie directly on the
// window, so this element only groups them for a reader.
class GridAccessible : public QAccessibleInterface, public QAccessibleTableInterface {
public:
    GridAccessible(QWidget* window, const BoardControls* controls)
        : window_(window)
        , controls_(controls)
    {
    }

    bool isValid() const override { return !window_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_->windowHandle(); }

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(window_.data()); }
    QAccessibleInterface* child(int index) const override
    {
        return index >= 0 && index < 16 ? QAccessible::queryAccessibleInterface(controls_->Picture1[index]) : nullptr;
    }
    int childCount() const override { return 16; }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < 16; ++i)
            if (child && child->object() == controls_->Picture1[i])
                return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < 16; ++i) {
            QAccessibleInterface* tile = child(i);
            if (tile->rect().contains(x, y))
                return tile;
        }
        return nullptr;
    }

    QString text(QAccessible::Text type) const override { return type == QAccessible::Name ? gridName() : QString(); }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override { return child(0)->rect().united(child(15)->rect()); }
    // Not a table to a reader: one would read a whole row at every move
    // between rows, where the player needs the gap alone.
    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !window_->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        return row >= 0 && row < 4 && column >= 0 && column < 4 ? child(4 * row + column) : nullptr;
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return QStringLiteral("%1. oszlop").arg(column + 1); }
    QString rowDescription(int row) const override { return QStringLiteral("%1. sor").arg(row + 1); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 4; }
    int rowCount() const override { return 4; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override { }

private:
    QPointer<QWidget> window_;
    const BoardControls* controls_;
};

bool isTile(const BoardControls* window, const QObject* object)
{
    return std::find(window->Picture1.begin(), window->Picture1.end(), object) != window->Picture1.end();
}

} // namespace

BoardAccessible::BoardAccessible(QWidget* window, const BoardControls* controls)
    : QAccessibleWidget(window, QAccessible::Window)
    , controls_(controls)
{
}

BoardAccessible::~BoardAccessible()
{
    if (gridId_ != 0)
        QAccessible::deleteAccessibleInterface(gridId_);
}

QAccessibleInterface* BoardAccessible::Grid() const
{
    // The accessibility registry owns the interface and deletes it with its id.
    if (gridId_ == 0)
        // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
        gridId_ = QAccessible::registerAccessibleInterface(new GridAccessible(widget(), controls_));
    return QAccessible::accessibleInterface(gridId_);
}

QList<QAccessibleInterface*> BoardAccessible::otherControls() const
{
    QList<QAccessibleInterface*> controls;
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        QAccessibleInterface* control = QAccessibleWidget::child(i);
        if (control && !isTile(controls_, control->object()))
            controls.append(control);
    }
    return controls;
}

int BoardAccessible::childCount() const
{
    return 1 + static_cast<int>(otherControls().size());
}

QAccessibleInterface* BoardAccessible::child(int index) const
{
    return index == 0 ? Grid() : otherControls().value(index - 1);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child == Grid())
        return 0;
    const qsizetype found = otherControls().indexOf(const_cast<QAccessibleInterface*>(child));
    return found < 0 ? -1 : static_cast<int>(found) + 1;
}

TileAccessible::TileAccessible(QWidget* tile, int index)
    : QAccessibleWidget(tile, QAccessible::Cell)
    , index_(index)
{
}

QAccessibleInterface* TileAccessible::parent() const
{
    return table();
}

void* TileAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

bool TileAccessible::isSelected() const
{
    return widget()->hasFocus();
}

QList<QAccessibleInterface*> TileAccessible::columnHeaderCells() const
{
    return {};
}

QList<QAccessibleInterface*> TileAccessible::rowHeaderCells() const
{
    return {};
}

int TileAccessible::columnIndex() const
{
    return index_ % 4;
}

int TileAccessible::rowIndex() const
{
    return index_ / 4;
}

int TileAccessible::columnExtent() const
{
    return 1;
}

int TileAccessible::rowExtent() const
{
    return 1;
}

QAccessibleInterface* TileAccessible::table() const
{
    auto* window = dynamic_cast<BoardAccessible*>(QAccessible::queryAccessibleInterface(widget()->parentWidget()));
    return window ? window->Grid() : nullptr;
}

} // namespace accessibility
