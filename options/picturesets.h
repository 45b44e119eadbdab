#pragma once

#include <QString>

// The six picture sets of the options window and the copy of one of them
// over the current pieces.
namespace PictureSetChoice {

constexpr int SetCount = 6;
constexpr int PieceCount = 15; // "16.jpg", the blank, belongs to no set

// Set k is thumbnail Picture3(k): its title, and where its files are: the
// game folder's path with the letter the files' names begin with.
QString SetTitle(int k);
QString SetPrefix(int k);

// Copies the pending set's pieces (Module1::PictureSetPrefix) over the
// current ones; false, after saying why, when a piece cannot be read or written.
bool CopyPendingSet();

// At start-up, before the first deal: a copy of a set cut off by a kill is
// finished or taken back, so that the board shows one whole set.
void FinishInterruptedChoice();

} // namespace PictureSetChoice
