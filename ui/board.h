#pragma once

#include "boardcontrols.h"

#include <QWidget>

// The main window: the 16 tile boxes, the game clock, the smiling face of a
// solved game and the buttons for a new game, the options and the exit.
class board : public QWidget, public BoardControls {
    Q_OBJECT

public:
    explicit board(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* makePictureButton(const QRect& geometry, const QString& icon, const QString& toolTip);
};
