#pragma once

#include <QString>

#include <array>

namespace Module1 {

// The pending choice: the game's folder, the separator and the chosen set's
// letter; empty until a thumbnail is clicked. It outlives the options window.
extern QString PictureSetPrefix;
// The set file copied last.
extern QString PictureSetSource;

} // namespace Module1

// The six picture sets of the options window and the choice among them.
namespace PictureSetChoice {

constexpr int SetCount = 6;
constexpr int PieceCount = 15; // "16.jpg", the blank, belongs to no set

struct PictureSet {
    const char* Letter;
    const char* Title;
};

// Index k is thumbnail Picture3(k).
extern const std::array<PictureSet, SetCount> PictureSets;

// Notes set k as the pending choice and shows its title in the status line.
void ThumbnailClick(int k);

// Copies the pending set's pieces over the current ones, deals a new game and
// hides the window. When a piece cannot be read or written it says so and
// leaves the pieces, the game and the window as they were.
void Confirm();

// Closes the window; the pending choice stays.
void Cancel();

// At start-up, before the first deal: a copy of a set cut off by a kill is
// finished or taken back, so that the board shows one whole set.
void FinishInterruptedChoice();

} // namespace PictureSetChoice
