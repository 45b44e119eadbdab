#pragma once

#include "textbox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

// The record-entry window: the player's name and the time reached. Enter
// stores the record as "Rendben" does; Escape and the close box leave
// without storing.
class high : public QWidget {
    Q_OBJECT

public:
    explicit high(QWidget* parent = nullptr);

    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    platform::TextBox* Text1 = nullptr; // the name
    platform::TextBox* Text2 = nullptr; // the time
    QPushButton* Command1 = nullptr;    // "Rendben"
    QPushButton* Command2 = nullptr;    // "Mégsem"

    void Text1_KeyPress(int KeyAscii);
    void Command1_Click();
    void Command2_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};
