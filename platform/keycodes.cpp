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

DialogKey DialogKeyOf(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return DialogKey::Accept;
    case Qt::Key_Escape:
        return DialogKey::Cancel;
    default:
        return DialogKey::None;
    }
}

} // namespace platform
