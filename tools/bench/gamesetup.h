#pragma once

#include <QString>

class board;
class QWidget;

namespace bench {

// Points the game at `folder`, with a seeded random source and messages on
// standard error, and registers its windows. Call once per process.
void PrepareGame(const QString& folder);

// The main window, loaded (and so dealt) on first use.
board& Board();

// Paints everything that is waiting to be painted.
void FlushPaints();

// Shows `window` and returns once its last child `marker` has been painted.
void ShowAndWaitForPaint(QWidget* window, QWidget* marker);

} // namespace bench
