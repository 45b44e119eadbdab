#pragma once

#include "highcontrols.h"

#include <QWidget>

// The record-entry window: the player's name and the time reached.
class high : public QWidget, public HighControls {
    Q_OBJECT

public:
    explicit high(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
