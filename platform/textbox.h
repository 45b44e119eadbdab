#pragma once

#include <QLineEdit>

namespace platform {

// A one-line text box that reports every character key it takes, with the
// character's code in the record file's code page, after the character is in.
// Text put in by any way, pasted, dropped or from an input method, stops at
// its first line break, as in a single-line edit control of the original
// platform: what the box holds is one line of the record file.
class TextBox : public QLineEdit {
    Q_OBJECT

public:
    TextBox(const QString& text, QWidget* parent);

signals:
    void KeyPress(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace platform
