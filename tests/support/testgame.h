#pragma once

#include "appfolder.h"
#include "boardcontrols.h"
#include "boardevents.h"
#include "forms.h"
#include "highcontrols.h"
#include "hightabcontrols.h"
#include "module1.h"
#include "optionscontrols.h"
#include "optionsevents.h"
#include "optionstexts.h"
#include "tilepictures.h"

#include <QColor>
#include <QDir>
#include <QListWidget>
#include <QStringList>
#include <QTemporaryDir>

#include <array>

// A temporary game folder, seeded random source, still clock, collected messages, noted program end.
class TestGame {
public:
    explicit TestGame(quint64 seed = 1);
    ~TestGame();

    TestGame(const TestGame&) = delete;
    TestGame& operator=(const TestGame&) = delete;

    QString Folder() const { return QDir::toNativeSeparators(folder_.path()); }
    QString FilePath(const QString& fileName) const { return platform::AppFilePath(fileName); }
    BoardControls& Board() { return Forms::board.Load(); } // loaded (and so dealt) on first use
    // The picture number in box `index` according to BoardCells, 0 for an unknown path.
    int PictureAt(int index) const;

    QStringList Messages;
    bool ProgramEnded = false;

private:
    QTemporaryDir folder_;
};

// Loads the main window and shows a layout, picture numbers in box order (16 is the blank).
void ShowLayout(const std::array<int, 16>& pictures);

constexpr std::array<int, 16> SolvedLayout{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};

// Solved but for the last two cells: box 15 (mouse) or the left arrow (keys) solves it.
constexpr std::array<int, 16> OneMoveFromSolved{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 15};

QString RunnableFile(const QString& name); // in the built game's own folder
void CopyPictures(const QString& folder);  // the built game's pictures, writable by any user
QList<QByteArray> PieceBytes(const QString& folder, const QString& set = {}); // 1.jpg..15.jpg, or set's pieces
QStringList ListRows(const QListWidget* list);
QByteArray FileBytes(const QString& path);                    // empty when unreadable
void WriteFile(const QString& path, const QByteArray& bytes); // writable by any user
void Tick(int seconds);                                       // the main window's clock, one call per second
QStringList LeakedWindows();                                  // top-level windows still alive
double Contrast(const QColor& a, const QColor& b);            // as the accessibility guidelines rate it, 1 to 21
