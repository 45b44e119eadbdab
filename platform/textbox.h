#pragma once

#include <QLineEdit>

namespace platform {

// A one-line text box that reports every character key it takes, with the
// character's code in the record file's code page, after the character is in.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void KeyPress(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace platform
