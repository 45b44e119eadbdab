#include "accessiblemoves.h"

#include "boardcontrols.h"
#include "boardevents.h"
#include "keycodes.h"
#include "module1.h"
#include "tilepictures.h"

#include <QAccessible>
#include <QEvent>

namespace accessibility {

namespace {

struct Cell {
    int row = -1;
    int column = -1;

    int Box() const { return 4 * row + column; }
    bool operator==(const Cell&) const = default;
};

Cell gap()
{
    const int box = BoardEvents::BlankBox();
    return box < 0 ? Cell{} : Cell{box / 4, box % 4};
}

int pieceNumber(const QString& path)
{
    for (int k = 1; k <= 15; ++k)
        if (path == TilePictures::ImagePath(k))
            return k;
    return 0;
}

// The way the arrow names, which is also the way a piece goes for it.
QString arrowWay(int keyCode)
{
    switch (keyCode) {
    case platform::KeyUp:
        return QStringLiteral("fel");
    case platform::KeyDown:
        return QStringLiteral("le");
    case platform::KeyLeft:
        return QStringLiteral("balra");
    case platform::KeyRight:
        return QStringLiteral("jobbra");
    default:
        return {};
    }
}

QString stepWay(int rowStep, int columnStep)
{
    if (rowStep != 0)
        return arrowWay(rowStep < 0 ? platform::KeyUp : platform::KeyDown);
    return arrowWay(columnStep < 0 ? platform::KeyLeft : platform::KeyRight);
}

// A message to be said at once, whatever has the focus: a reader speaks a
// notification when it shows. It has no widget; the main window holds it.
class Announcement : public QAccessibleInterface {
public:
    explicit Announcement(QWidget* window)
        : window_(window)
    {
    }

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(window_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override { return type == QAccessible::Name ? said_ : QString(); }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

    void Say(const QString& text)
    {
        said_ = text;
        QAccessibleEvent shown(this, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }

private:
    QWidget* window_;
    QString said_;
};

class MoveAnnouncer : public QObject {
public:
    explicit MoveAnnouncer(BoardControls& window)
        : QObject(window.Form)
        , window_(window)
        , announcement_(new Announcement(window.Form))
        // The accessibility registry owns the interface and deletes it with its id.
        , announcementId_(QAccessible::registerAccessibleInterface(announcement_))
    {
        // Connected after the board's own handlers, so these run once the move is made.
        for (platform::PictureBox* tile : window.Picture1) {
            tile->installEventFilter(this);
            connect(tile, &platform::PictureBox::KeyDown, this, &MoveAnnouncer::afterKey);
            connect(tile, &platform::PictureBox::Click, this, [this] { tellMove(); });
        }
    }

    ~MoveAnnouncer() override { QAccessible::deleteAccessibleInterface(announcementId_); }

    MoveAnnouncer(const MoveAnnouncer&) = delete;
    MoveAnnouncer& operator=(const MoveAnnouncer&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonRelease)
            gapBefore_ = gap();
        else if (event->type() == QEvent::FocusOut)
            static_cast<QWidget*>(watched)->setAccessibleDescription(QString());
        return false;
    }

private:
    void afterKey(int, int keyCode)
    {
        if (!tellMove() && !arrowWay(keyCode).isEmpty())
            announcement_->Say(QStringLiteral("Semmi sem mozdul ") + arrowWay(keyCode));
    }

    // False when nothing moved.
    bool tellMove()
    {
        const Cell now = gap();
        if (now == gapBefore_ || now.row < 0 || gapBefore_.row < 0)
            return false;
        platform::PictureBox* box = window_.Picture1[now.Box()];
        // The solving move is told by the end of the game.
        if (!box->isEnabled())
            return true;
        const QString moved = QStringLiteral("%1. darab %2, %3. lépés")
                                  .arg(pieceNumber(Module1::BoardCells[gapBefore_.row][gapBefore_.column]))
                                  .arg(stepWay(gapBefore_.row - now.row, gapBefore_.column - now.column))
                                  .arg(Module1::MoveCount, 0, 'f', 0);
        // A reader speaks a new focus only; one already there is told aloud.
        if (box->hasFocus()) {
            announcement_->Say(box->accessibleName() + QStringLiteral(". ") + moved);
            return true;
        }
        box->setAccessibleDescription(moved);
        box->setFocus(Qt::OtherFocusReason);
        return true;
    }

    BoardControls& window_;
    Announcement* announcement_;
    QAccessible::Id announcementId_;
    Cell gapBefore_;
};

} // namespace

void AnnounceMoves(BoardControls& window)
{
    new MoveAnnouncer(window);
}

} // namespace accessibility
