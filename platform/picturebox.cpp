#include "picturebox.h"

#include "keycodes.h"
#include "picturefile.h"

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
    const QImage image = ReadPictureFile(path);
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
    emit KeyDown(index_, VirtualKeyCode(event->key()));
}

} // namespace platform
