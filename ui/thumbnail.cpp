#include "thumbnail.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

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
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = rect().adjusted(2, 2, -2, -2);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

void Thumbnail::keyPressEvent(QKeyEvent* event)
{
    const int column = Index() % Columns;
    switch (event->key()) {
    case Qt::Key_Space:
        emit Click(Index());
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Chosen, and then on to the window, whose default button takes it.
        emit Click(Index());
        event->ignore();
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
