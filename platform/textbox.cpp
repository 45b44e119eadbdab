#include "textbox.h"

#include "codepage.h"

#include <QKeyEvent>

namespace platform {

void TextBox::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    QLineEdit::keyPressEvent(event);
    if (!text.isEmpty())
        emit KeyPress(static_cast<unsigned char>(CodePageByte(text.at(0))));
}

} // namespace platform
