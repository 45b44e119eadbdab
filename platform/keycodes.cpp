#include "keycodes.h"

#include <Qt>

namespace platform {

int VirtualKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return KeyLeft;
    case Qt::Key_Up:
        return KeyUp;
    case Qt::Key_Right:
        return KeyRight;
    case Qt::Key_Down:
        return KeyDown;
    default:
        return 0;
    }
}

bool AnswerDialogKey(int qtKey, const std::function<void()>& accept, const std::function<void()>& cancel)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        accept();
        return true;
    case Qt::Key_Escape:
        cancel();
        return true;
    default:
        return false;
    }
}

} // namespace platform
