#pragma once

#include "boardcontrols.h"
#include "boardevents.h"
#include "highcontrols.h"
#include "hightabcontrols.h"
#include "module1.h"
#include "optionscontrols.h"
#include "optionsevents.h"
#include "optionstexts.h"
#include "tilepictures.h"

#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>

#include <array>

// One test's game: a temporary copy of the runnable folder as the game's
// folder, a seeded random source whose clock stands still, collected error
// messages instead of message boxes, and a program end that is only noted.
class TestGame {
public:
    explicit TestGame(quint64 seed = 1);
    ~TestGame();

    TestGame(const TestGame&) = delete;
    TestGame& operator=(const TestGame&) = delete;

    QString Folder() const;
    QString FilePath(const QString& fileName) const;

    // The main window, loaded (and so dealt) on first use.
    BoardControls& Board();

    // Writes a layout into BoardCells, picture numbers in box order (16 is the
    // blank), and shows it in the boxes.
    void SetBoard(const std::array<int, 16>& pictures);

    // The picture number shown by box `index` according to BoardCells, 0 for an unknown path.
    int PictureAt(int index) const;

    QStringList Messages;
    bool ProgramEnded = false;

private:
    QTemporaryDir folder_;
};

// Writes a layout into BoardCells, picture numbers in box order (16 is the
// blank), and shows it in the loaded main window's boxes.
void ShowLayout(const std::array<int, 16>& pictures);

// The solved layout as picture numbers in box order.
constexpr std::array<int, 16> SolvedLayout{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

// Solved but for the last two cells: box 15 (mouse) or the left arrow (keys) solves it.
constexpr std::array<int, 16> OneMoveFromSolved{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15};

// The texts of a list box's rows, top to bottom.
QStringList ListRows(const QListWidget* list);

// Titles of the top-level windows still alive; a test's cleanup expects none.
QStringList LeakedWindows();
