#pragma once

#include "hightabcontrols.h"

#include <QWidget>

// The record-list window: names and times side by side.
class hightab : public QWidget, public HightabControls {
    Q_OBJECT

public:
    explicit hightab(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
