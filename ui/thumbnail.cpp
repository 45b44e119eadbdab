#include "thumbnail.h"

#include <QKeyEvent>
#include <QPainter>

Thumbnail::Thumbnail(QWidget* parent, int index)
    : platform::PictureBox(parent, index)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
}

void Thumbnail::paintEvent(QPaintEvent* event)
{
    platform::PictureBox::paintEvent(event);
    if (!hasFocus())
        return;
    // A solid frame and a dashed one inside it: one of them stands out on
    // any picture.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

void Thumbnail::keyPressEvent(QKeyEvent* event)
{
    const int column = Index() % Columns;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit Click(Index());
        break;
    case Qt::Key_Left:
        if (column > 0)
            focusSibling(Index() - 1);
        break;
    case Qt::Key_Right:
        if (column < Columns - 1)
            focusSibling(Index() + 1);
        break;
    case Qt::Key_Up:
        focusSibling(Index() - Columns);
        break;
    case Qt::Key_Down:
        focusSibling(Index() + Columns);
        break;
    default:
        event->ignore();
    }
}

void Thumbnail::focusInEvent(QFocusEvent* event)
{
    update();
    platform::PictureBox::focusInEvent(event);
}

void Thumbnail::focusOutEvent(QFocusEvent* event)
{
    update();
    platform::PictureBox::focusOutEvent(event);
}

void Thumbnail::focusSibling(int index)
{
    for (auto* sibling : parentWidget()->findChildren<Thumbnail*>(QString(), Qt::FindDirectChildrenOnly))
        if (sibling->Index() == index)
            sibling->setFocus(Qt::TabFocusReason);
}
