#include "platform/picturebox.h"

#include "platform/keycodes.h"

#include <QFileInfo>
#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent, int index)
    : QWidget(parent)
    , index_(index)
{
}

bool PictureBox::LoadPicture(const QString& path)
{
    // The file's ending names its format: the reader then need not probe
    // every decoder first, and still falls back to the content if wrong.
    QImageReader reader(path, QFileInfo(path).suffix().toLatin1());
    const QImage image = reader.read();
    SetPicture(QPixmap::fromImage(image));
    return !image.isNull();
}

void PictureBox::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
}

// A click is a press and a release of the left button over the same box.
void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click)
        emit Click(index_);
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    emit KeyDown(index_, VirtualKeyCode(event->key()), ShiftState(event->modifiers()));
}

} // namespace platform
