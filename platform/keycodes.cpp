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

} // namespace platform
