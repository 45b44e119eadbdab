#include "accessibility.h"

#include "accessiblegrid.h"
#include "accessiblemoves.h"
#include "accessibletext.h"
#include "boardcontrols.h"
#include "freshstate.h"
#include "highcontrols.h"
#include "hightabcontrols.h"
#include "module1.h"
#include "optionscontrols.h"
#include "optionstexts.h"
#include "picturebox.h"
#include "picturesets.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabWidget>

namespace accessibility {

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

// A picture-set thumbnail is one of six choices; the pending one is checked.
class ThumbnailAccessible : public QAccessibleWidget {
public:
    explicit ThumbnailAccessible(platform::PictureBox* thumbnail)
        : QAccessibleWidget(thumbnail, QAccessible::RadioButton)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        const int k = static_cast<platform::PictureBox*>(widget())->Index();
        state.checked = Module1::PictureSetPrefix == PictureSetChoice::SetPrefix(k);
        return state;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        auto* thumbnail = static_cast<platform::PictureBox*>(widget());
        if (action == pressAction())
            emit thumbnail->Click(thumbnail->Index());
        else
            QAccessibleWidget::doAction(action);
    }
};

// What Describe() makes of a label, read by the factory: Qt may have made
// the label's interface while the window was built, before Describe().
const char* const TextKindProperty = "dezudorTextKind";
enum class TextKind {
    Clock = 1,
    Help,
    Status
};

// The help text breaks its lines with LF CR pairs; a reader gets one line
// per paragraph instead. A speech synthesizer reads a line break as a space,
// so a line that does not end as a sentence or a clause gets a full stop:
// it pauses there.
QString paragraphs(const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("[\\n\\r]+"));
    static const QRegularExpression end(QStringLiteral("[.:!?]$"));
    QStringList lines;
    for (const QString& piece : text.split(breaks, Qt::SkipEmptyParts)) {
        const QString line = piece.trimmed();
        lines.append(line.contains(end) ? line : line + QLatin1Char('.'));
    }
    return lines.join(QLatin1Char('\n'));
}

QAccessibleInterface* shownText(QLabel* label, TextKind kind)
{
    switch (kind) {
    // The time is the game's status: a reader's status-bar key says it from
    // anywhere in the game.
    case TextKind::Clock:
        return new ShownTextAccessible(
            label, QAccessible::StatusBar, [label] { return label->toolTip() + QStringLiteral(": ") + label->text(); });
    case TextKind::Help:
        return new ShownTextAccessible(label, QAccessible::StaticText, [label] { return paragraphs(label->text()); });
    case TextKind::Status:
        return new ShownTextAccessible(label, QAccessible::StatusBar, [label] { return label->text(); });
    }
    return nullptr;
}

void markText(QLabel* label, TextKind kind)
{
    label->setProperty(TextKindProperty, static_cast<int>(kind));
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(QAccessible::queryAccessibleInterface(label)));
}

QAccessibleInterface* makeInterface(const QString& key, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (key == QLatin1String("board"))
        if (auto* board = dynamic_cast<BoardControls*>(widget))
            return new BoardAccessible(widget, board);
    if (key == QLatin1String("QPushButton") && !widget->toolTip().isEmpty())
        return new PictureButtonAccessible(static_cast<QPushButton*>(widget));
    if (key == QLatin1String("high") || key == QLatin1String("hightab") || key == QLatin1String("options"))
        return new QAccessibleWidget(widget, QAccessible::Dialog);
    if (key == QLatin1String("QLineEdit"))
        return new LineEditAccessible(static_cast<QLineEdit*>(widget));
    if (key == QLatin1String("QLabel") && widget->property(TextKindProperty).isValid())
        return shownText(
            static_cast<QLabel*>(widget), static_cast<TextKind>(widget->property(TextKindProperty).toInt()));
    // The tab control's page stack is no place of its own: only its pages are.
    if (key == QLatin1String("QStackedWidget") && qobject_cast<QTabWidget*>(widget->parentWidget()))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    // A frame only holds controls. Told a frame, a reader would take it for a
    // window and review it alone, without the buttons and the status line.
    if (key == QLatin1String("QFrame"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (key == QLatin1String("Thumbnail"))
        return new ThumbnailAccessible(static_cast<platform::PictureBox*>(widget));
    if (key == QLatin1String("platform::PictureBox")) {
        auto* box = static_cast<platform::PictureBox*>(widget);
        if (box->Index() >= 0 && dynamic_cast<BoardControls*>(box->parentWidget()))
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
    CompletionAnnouncer(BoardControls& window)
        : QObject(window.Form)
        , window_(window)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::ShowToParent) {
            const QString end = CompletionText(window_.Label1->text(), Module1::MoveCount);
            window_.Picture2->setAccessibleName(end);
            window_.Command2->setAccessibleDescription(end);
            QAccessibleEvent alert(window_.Picture2, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
            if (window_.Command2->hasFocus()) {
                QAccessibleEvent focus(window_.Command2, QAccessible::Focus);
                QAccessible::updateAccessibility(&focus);
            }
        } else if (event->type() == QEvent::HideToParent) {
            window_.Command2->setAccessibleDescription(QString());
        }
        return false;
    }

private:
    BoardControls& window_;
};

// The record-entry window opens on the solving move, before the board can say
// the end: its first focus says it, and why the window is there.
class RecordAnnouncer : public QObject {
public:
    RecordAnnouncer(HighControls& window)
        : QObject(window.Form)
        , window_(window)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            const QString why = event->type() == QEvent::Hide
                ? QString()
                : CompletionText(window_.Text2->text(), Module1::MoveCount)
                    + QStringLiteral(". Új rekord, írd be a neved!");
            window_.Text1->setAccessibleDescription(why);
            window_.Text2->setAccessibleDescription(why);
        }
        return false;
    }

private:
    HighControls& window_;
};

// A list that takes the focus is said as a list; its selected row, the new
// record, is said once it has the focus.
class RowAnnouncer : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            focused_ = static_cast<QListWidget*>(watched);
            // Said after Qt has said the list itself.
            QCoreApplication::postEvent(this, new QEvent(QEvent::User));
        }
        return false;
    }

    void customEvent(QEvent*) override
    {
        if (focused_ && focused_->hasFocus() && focused_->currentRow() >= 0) {
            QAccessibleEvent focus(focused_, QAccessible::Focus);
            focus.setChild(focused_->currentRow());
            QAccessible::updateAccessibility(&focus);
        }
    }

private:
    QPointer<QListWidget> focused_;
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

} // namespace

void Install()
{
    static const bool installed = (QAccessible::installFactory(makeInterface), true);
    Q_UNUSED(installed);
}

QString CompletionText(const QString& clock, double moves)
{
    return QStringLiteral("Kész: a kép kirakva, idő %1, %2 lépés").arg(clock, QString::number(moves, 'f', 0));
}

void Describe(BoardControls& window)
{
    RenewWhenShown(window.Form);
    markText(window.Label1, TextKind::Clock);
    window.Form->installEventFilter(new TitleAnnouncer(window.Form));
    window.Picture2->installEventFilter(new CompletionAnnouncer(window));
    AnnounceMoves(window);
}

void Describe(HighControls& window)
{
    window.Text1->setAccessibleName(QStringLiteral("Név"));
    window.Text2->setAccessibleName(QStringLiteral("Időeredmény"));
    RenewWhenShown(window.Form);
    window.Form->installEventFilter(new RecordAnnouncer(window));
}

void Describe(HightabControls& window)
{
    window.List1->setAccessibleName(QStringLiteral("Név"));
    window.List2->setAccessibleName(QStringLiteral("Idő"));
    RenewWhenShown(window.Form);
    const auto rename = [&window] { nameRecordRows(window.List1, window.List2); };
    QObject::connect(window.List1->model(), &QAbstractItemModel::rowsInserted, window.Form, rename);
    QObject::connect(window.List2->model(), &QAbstractItemModel::rowsInserted, window.Form, rename);
    rename();
    auto* rows = new RowAnnouncer(window.Form);
    window.List1->installEventFilter(rows);
    window.List2->installEventFilter(rows);
}

void Describe(OptionsControls& window)
{
    for (int k = 0; k < PictureSetChoice::SetCount; ++k) {
        window.Picture3[k]->setAccessibleName(PictureSetChoice::SetTitle(k));
        // After the choice is noted, each thumbnail tells whether it is the one.
        QObject::connect(window.Picture3[k], &platform::PictureBox::Click, window.Form, [&window] {
            for (platform::PictureBox* thumbnail : window.Picture3) {
                QAccessible::State checked;
                checked.checked = true;
                QAccessibleStateChangeEvent changed(thumbnail, checked);
                QAccessible::updateAccessibility(&changed);
            }
        });
    }
    window.Picture1->setAccessibleName(QStringLiteral("Számozott négyzetek"));
    window.Picture2->setAccessibleName(QStringLiteral("Dezudor játék ") + OptionsTexts::Version());
    // Name and version make one line for a reader, which skips labels of fewer words.
    const QStringList about = OptionsTexts::AboutTexts();
    window.AboutLabels[0]->setAccessibleName(about[0] + QStringLiteral(", ") + about[1].toLower());
    RenewWhenShown(window.Form);
    markText(window.Label6, TextKind::Help);
    markText(window.Label1, TextKind::Status);
}

} // namespace accessibility
