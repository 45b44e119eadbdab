#include "accessibility.h"

#include "accessiblegrid.h"
#include "board.h"
#include "high.h"
#include "hightab.h"
#include "module1.h"
#include "options.h"
#include "optionstexts.h"
#include "picturebox.h"
#include "picturesets.h"

#include <QAccessibleWidget>
#include <QEvent>
#include <QPushButton>
#include <QRegularExpression>

namespace ui {

namespace {

// A picture button's name is its tool tip; Qt would say the tip again as its
// description. Only a description of its own ("Újra" after the end) is said.
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(QPushButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? widget()->accessibleDescription() : QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<QPushButton*>(widget())->click();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* makeInterface(const QString& key, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (key == QLatin1String("board"))
        return new BoardAccessible(static_cast<board*>(widget));
    if (key == QLatin1String("QPushButton") && !widget->toolTip().isEmpty())
        return new PictureButtonAccessible(static_cast<QPushButton*>(widget));
    if (key == QLatin1String("high") || key == QLatin1String("hightab") || key == QLatin1String("options"))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (key == QLatin1String("platform::PictureBox")) {
        auto* box = static_cast<platform::PictureBox*>(widget);
        if (box->Index() >= 0 && qobject_cast<board*>(box->parentWidget()))
            return new TileAccessible(box, box->Index());
        return new QAccessibleWidget(box, QAccessible::Graphic);
    }
    return nullptr;
}

// Qt does not tell a reader that a window's title changed; the main
// window's title is where the move count stands.
class TitleAnnouncer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowTitleChange) {
            QAccessibleEvent changed(watched, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&changed);
        }
        return false;
    }
};

// The smiling face appears only when the picture is whole. The keyboard is
// then on "Újra", so the end is said with it: the face gets its name, the
// button the end as its description, and the reader hears both at once.
class CompletionAnnouncer : public QObject {
public:
    CompletionAnnouncer(board* window)
        : QObject(window)
        , window_(window)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ShowToParent) {
            const QString end = CompletionText(window_->Label1->text(), Module1::MoveCount);
            window_->Picture2->setAccessibleName(end);
            window_->Command2->setAccessibleDescription(end);
            QAccessibleEvent alert(window_->Picture2, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
            if (window_->Command2->hasFocus()) {
                QAccessibleEvent focus(window_->Command2, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
        } else if (event->type() == QEvent::HideToParent) {
            window_->Command2->setAccessibleDescription(QString());
        }
        return false;
    }

private:
    board* window_;
};

// Each row of the record lists reads as the name and the time together.
void nameRecordRows(QListWidget* names, QListWidget* times)
{
    const int rows = qMin(names->count(), times->count());
    for (int i = 0; i < rows; ++i) {
        const QString text = names->item(i)->text() + QStringLiteral(", ") + times->item(i)->text();
        names->item(i)->setData(Qt::AccessibleTextRole, text);
        times->item(i)->setData(Qt::AccessibleTextRole, text);
    }
}

// The help text breaks its lines with LF CR pairs; a reader gets one line
// per paragraph instead.
QString paragraphs(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("[\\n\\r]+"));
    QStringList lines;
    for (const QString& line : text.split(breaks, Qt::SkipEmptyParts))
        lines.append(line.trimmed());
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = (QAccessible::installFactory(makeInterface), true);
    Q_UNUSED(installed);
}

QString CompletionText(const QString& clock, double moves)
{
    return QStringLiteral("Kész: a kép kirakva, idő %1, %2 lépés").arg(clock, QString::number(moves, 'f', 0));
}

board* Describe(board* window)
{
    window->Label1->setAccessibleName(window->Label1->toolTip());
    window->installEventFilter(new TitleAnnouncer(window));
    window->Picture2->installEventFilter(new CompletionAnnouncer(window));
    return window;
}

high* Describe(high* window)
{
    window->Text1->setAccessibleName(QStringLiteral("Név"));
    window->Text2->setAccessibleName(QStringLiteral("Időeredmény"));
    return window;
}

hightab* Describe(hightab* window)
{
    window->List1->setAccessibleName(QStringLiteral("Név"));
    window->List2->setAccessibleName(QStringLiteral("Idő"));
    const auto rename = [window] { nameRecordRows(window->List1, window->List2); };
    QObject::connect(window->List1->model(), &QAbstractItemModel::rowsInserted, window, rename);
    QObject::connect(window->List2->model(), &QAbstractItemModel::rowsInserted, window, rename);
    rename();
    return window;
}

options* Describe(options* window)
{
    for (int k = 0; k < PictureSetChoice::SetCount; ++k)
        window->Picture3[k]->setAccessibleName(PictureSetChoice::SetTitle(k));
    window->Picture1->setAccessibleName(QStringLiteral("Számozott négyzetek"));
    window->Picture2->setAccessibleName(QStringLiteral("Dezudor játék ") + OptionsTexts::Version());
    window->Label6->setAccessibleName(paragraphs(window->Label6->text()));
    return window;
}

} // namespace ui
