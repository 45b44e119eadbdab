#pragma once

#include "lazyform.h"
#include "picturebox.h"

#include <QLabel>
#include <QTimer>

#include <array>

// The controls of the main window that the game's procedures work on.
struct BoardControls {
    QWidget* Form = nullptr;
    std::array<platform::PictureBox*, 16> Picture1{}; // the tile boxes, cell (i / 4, i % 4)
    platform::PictureBox* Picture2 = nullptr;         // the smiling face of a solved game
    QLabel* Label1 = nullptr;                         // the game clock
    QTimer* Timer1 = nullptr;                         // one tick a second
};

namespace Forms {
extern platform::LazyForm<BoardControls> board;
}
