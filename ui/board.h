#pragma once

#include "picturebox.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>

// The main window: the 16 tile boxes, the game clock, the smiling face of a
// solved game and the buttons for a new game, the options and the exit.
class board : public QWidget {
    Q_OBJECT

public:
    explicit board(QWidget* parent = nullptr);

    std::array<platform::PictureBox*, 16> Picture1{};
    platform::PictureBox* Picture2 = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr; // exit
    QPushButton* Command2 = nullptr; // new game
    QPushButton* Command3 = nullptr; // options
    QTimer* Timer1 = nullptr;

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Timer1_Timer();
    void Picture1_Click(int Index);
    void Picture1_KeyDown(int Index, int KeyCode, int Shift);

    // Brings the window back to the front when a dialog closes; after a
    // solved game its keyboard is on "Újra".
    void Activate();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    QPushButton* makePictureButton(const QRect& geometry, const QString& icon, const QString& toolTip);
};
