#pragma once

#include "lazyform.h"
#include "picturebox.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <array>

// Every control of the main window.
struct BoardControls {
    QWidget* Form = nullptr;
    std::array<platform::PictureBox*, 16> Picture1{}; // the tile boxes, cell (i / 4, i % 4)
    platform::PictureBox* Picture2 = nullptr;         // the smiling face of a solved game
    QLabel* Label1 = nullptr;                         // the game clock
    QPushButton* Command1 = nullptr;                  // exit
    QPushButton* Command2 = nullptr;                  // "Újra", a new game
    QPushButton* Command3 = nullptr;                  // the options
    QTimer* Timer1 = nullptr;                         // one tick a second
};

// The options window's controls are known only above the game; the board's
// buttons show and unload it all the same.
struct OptionsControls;

namespace Forms {
extern platform::LazyForm<BoardControls> board;
extern platform::LazyForm<OptionsControls> options;
} // namespace Forms
