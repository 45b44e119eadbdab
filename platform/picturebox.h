#pragma once

#include <QPixmap>
#include <QWidget>

namespace platform {

// A box that shows one picture at its top left corner, unscaled, and reports
// clicks and key presses together with its index in its control array.
// A disabled box keeps showing its picture as it is.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr, int index = -1);

    int Index() const { return index_; }

    // Reads the picture from a file; on failure the box is left empty and the
    // result is false.
    bool LoadPicture(const QString& path);
    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }

signals:
    void Click(int index);
    void KeyDown(int index, int keyCode);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int index_;
    QPixmap picture_;
    bool pressed_ = false;
};

} // namespace platform
