#pragma once

#include <QAccessibleWidget>
#include <QPointer>

struct BoardControls;

namespace accessibility {

// The main window as a screen reader sees it: a frame whose first child is
// the 4 × 4 grid of tile boxes, followed by its other controls.
class BoardAccessible : public QAccessibleWidget {
public:
    BoardAccessible(QWidget* window, const BoardControls* controls);
    ~BoardAccessible() override;

    BoardAccessible(const BoardAccessible&) = delete;
    BoardAccessible& operator=(const BoardAccessible&) = delete;

    QAccessibleInterface* Grid() const;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

private:
    QList<QAccessibleInterface*> otherControls() const;

    const BoardControls* controls_;
    mutable QAccessible::Id gridId_ = 0;
};

// One tile box: a cell of the grid that knows its row and column.
class TileAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    explicit TileAccessible(QWidget* tile, int index);

    QAccessibleInterface* parent() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override;
    int rowExtent() const override;
    QAccessibleInterface* table() const override;

private:
    int index_;
};

} // namespace accessibility
