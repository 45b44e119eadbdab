#pragma once

#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QWidget>

// The record-list window: names and times side by side. Its lists are the
// records of the running game, so it is only ever hidden, never closed.
// Enter and Escape hide it as "Rendben" does.
class hightab : public QWidget {
    Q_OBJECT

public:
    explicit hightab(QWidget* parent = nullptr);

    QFrame* Frame1 = nullptr;
    QLabel* Label1 = nullptr; // "Név"
    QLabel* Label2 = nullptr; // "Idő"
    QListWidget* List1 = nullptr;
    QListWidget* List2 = nullptr;
    QPushButton* Command1 = nullptr; // "Rendben"
    QPushButton* Command2 = nullptr; // "Törlés"

    void Command1_Click();
    void Command2_Click();
    void List1_Click();
    void List2_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
};
