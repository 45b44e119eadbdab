#pragma once

#include "picturebox.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>

#include <array>

// The options window: the picture sets, the help text and the about page.
// Enter is OK and Escape is "Mégsem", unless a button or a thumbnail with
// the focus takes the key itself.
class options : public QWidget {
    Q_OBJECT

public:
    explicit options(QWidget* parent = nullptr);

    QTabWidget* SSTab1 = nullptr;
    QFrame* Frame1 = nullptr; // "Képválasztás"
    QFrame* Frame2 = nullptr; // "Irányítás"
    QFrame* Frame4 = nullptr; // "Névjegy"
    std::array<platform::PictureBox*, 6> Picture3{};
    platform::PictureBox* Picture1 = nullptr; // the numbered tiles
    platform::PictureBox* Picture2 = nullptr; // the banner
    QFrame* Line1 = nullptr;                  // the about page's etched separator
    QFrame* Line2 = nullptr;
    std::array<QLabel*, 4> AboutLabels{};
    QLabel* Label1 = nullptr;        // the status line
    QLabel* Label6 = nullptr;        // the help text
    QPushButton* Command1 = nullptr; // OK
    QPushButton* Command2 = nullptr; // Mégsem

    void Command1_Click();
    void Command2_Click();
    void Picture3_Click(int Index);
    void SSTab1_Click(int PreviousTab);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QFrame* addTabFrame(const QString& title);
    void Form_Load();
    void tabChanged(int current);

    int shownTab_ = 0;
};
