#pragma once

#include "picturebox.h"

// A picture-set thumbnail that the keyboard can choose: it takes the focus,
// shows it with the style's focus frame, passes it on with the arrow keys
// within its two rows of three, and takes Space as a click. Enter is a click
// too, and then goes on to the window as a press of its default button.
class Thumbnail : public platform::PictureBox {
    Q_OBJECT

public:
    static constexpr int Columns = 3;

    Thumbnail(QWidget* parent, int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Moves the focus to the thumbnail of that index, if there is one.
    void focusSibling(int index);
};
