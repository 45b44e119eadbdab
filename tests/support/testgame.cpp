#include "testgame.h"

#include "appfolder.h"
#include "boardcontrols.h"
#include "boardmodel.h"
#include "endprogram.h"
#include "errorreport.h"
#include "forms.h"
#include "optionsform.h"
#include "picturesets.h"
#include "random.h"
#include "recordcheck.h"
#include "recordentry.h"
#include "recordfile.h"
#include "recordforms.h"
#include "tilepictures.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>

namespace {

void copyPictures(const QString& target)
{
    const QDir source(QStringLiteral(DEZUDOR_RUN_DIR));
    for (const QString& name : source.entryList({QStringLiteral("*.jpg")}, QDir::Files))
        if (!QFile::copy(source.filePath(name), QDir(target).filePath(name)))
            qFatal("cannot copy %s into the test folder", qPrintable(name));
}

// The game's variables as a fresh start of the program finds them.
void resetModule1()
{
    using namespace Module1;
    for (int r = 0; r < BoardSize; ++r)
        for (int c = 0; c < BoardSize; ++c) {
            BoardCells[r][c].clear();
            SolvedCells[r][c].clear();
            DealPool[r][c].clear();
        }
    DealIndex = EmptyRow = EmptyCol = MatchCount = 0;
    ClockSeconds = ClockMinutes = MoveCount = 0;
    MouseTile.clear();
    KeyTile.clear();
    for (int i = 0; i < RecordSlots; ++i) {
        RecordTexts[i] = {};
        RecordSeconds[i] = 0;
    }
    LastRecord = -1;
    RecordLine.clear();
    SwapText = {};
    RecordSaveFailureReported = false;
    RecordFileUnreadable = false;
    NameLetters = 0;
    FinishSeconds = 0;
    PictureSetPrefix.clear();
    PictureSetSource.clear();
}

} // namespace

TestGame::TestGame(quint64 seed)
{
    static const bool registered = (ui::RegisterForms(), true);
    Q_UNUSED(registered);
    if (!folder_.isValid())
        qFatal("cannot make a temporary folder");
    copyPictures(folder_.path());
    resetModule1();
    platform::SetAppFolder(folder_.path());
    platform::SeedRandom(seed);
    platform::SetRandomClock([] { return qint64{0}; });
    platform::SetErrorReporter([this](const QString& text) { Messages.append(text); });
    platform::SetEndProgram([this] { ProgramEnded = true; });
}

TestGame::~TestGame()
{
    ui::UnloadForms();
    platform::SetErrorReporter(nullptr);
    platform::SetEndProgram(nullptr);
    platform::SetRandomClock(nullptr);
    platform::SetAppFolder(QString());
    resetModule1();
}

QString TestGame::Folder() const
{
    return QDir::toNativeSeparators(folder_.path());
}

QString TestGame::FilePath(const QString& fileName) const
{
    return platform::AppFilePath(fileName);
}

board& TestGame::Board()
{
    return *static_cast<board*>(Forms::board().Form);
}

void TestGame::SetBoard(const std::array<int, 16>& pictures)
{
    Board();
    ShowLayout(pictures);
}

void ShowLayout(const std::array<int, 16>& pictures)
{
    QStringList unreadable;
    for (int i = 0; i < 16; ++i) {
        Module1::BoardCells[i / 4][i % 4] = Module1::ImagePath(pictures[i]);
        Module1::LoadTilePicture(i, Module1::ImagePath(pictures[i]), unreadable);
    }
}

int TestGame::PictureAt(int index) const
{
    for (int k = 1; k <= 16; ++k)
        if (Module1::BoardCells[index / 4][index % 4] == Module1::ImagePath(k))
            return k;
    return 0;
}

QStringList ListRows(const QListWidget* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->item(i)->text());
    return texts;
}

QStringList LeakedWindows()
{
    QStringList titles;
    for (QWidget* widget : QApplication::topLevelWidgets())
        titles.append(widget->metaObject()->className() + QStringLiteral(" ") + widget->windowTitle());
    return titles;
}
