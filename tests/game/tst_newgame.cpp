#include "boardevents.h"
#include "module1.h"
#include "testgame.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

namespace {

int pictureNumber(const QString& path)
{
    for (int k = 1; k <= 16; ++k)
        if (path == TilePictures::ImagePath(k))
            return k;
    return 0;
}

// A deal can be solved when the permutation's parity equals the parity of
// the blank's distance from the bottom-right cell.
bool solvable()
{
    int cells[16];
    int blank = 0;
    for (int i = 0; i < 16; ++i) {
        cells[i] = pictureNumber(Module1::BoardCells[i / 4][i % 4]);
        if (cells[i] == 16)
            blank = i;
    }
    int inversions = 0;
    for (int i = 0; i < 16; ++i)
        for (int j = i + 1; j < 16; ++j)
            inversions += cells[i] > cells[j];
    const int distance = (3 - blank / 4) + (3 - blank % 4);
    return inversions % 2 == distance % 2;
}

} // namespace

class TestNewGame : public QObject {
    Q_OBJECT

private slots:
    void init() { game = std::make_unique<TestGame>(7); }
    void cleanup()
    {
        game.reset();
        QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(", ")));
    }

    void imagePathJoinsFolderSeparatorAndNumber()
    {
        QCOMPARE(TilePictures::ImagePath(7), game->Folder() + QDir::separator() + "7.jpg");
        QCOMPARE(TilePictures::BlankImagePath(), game->Folder() + QDir::separator() + "16.jpg");
        game->Board();
        for (int i = 0; i < 16; ++i)
            QCOMPARE(Module1::SolvedCells[i / 4][i % 4], TilePictures::ImagePath(i + 1));
    }

    void newGameStartsAFreshGame_data()
    {
        QTest::addColumn<bool>("solveFirst");
        QTest::addColumn<int>("ticksFirst");
        QTest::newRow("at start-up") << false << 0;
        QTest::newRow("in the middle of a game") << false << 75;
        QTest::newRow("after a solved game") << true << 130;
    }

    void newGameStartsAFreshGame()
    {
        QFETCH(bool, solveFirst);
        QFETCH(int, ticksFirst);
        BoardControls& window = game->Board();
        for (int t = 0; t < ticksFirst; ++t)
            BoardEvents::Timer1_Timer();
        if (solveFirst) {
            game->SetBoard(OneMoveFromSolved);
            BoardEvents::Picture1_Click(15);
            QVERIFY(!window.Picture1[0]->isEnabled());
        }

        Module1::NewGame();

        QStringList paths;
        for (int i = 0; i < 16; ++i) {
            QCOMPARE(Module1::DealPool[i / 4][i % 4], QStringLiteral("*"));
            paths.append(Module1::BoardCells[i / 4][i % 4]);
            QVERIFY(window.Picture1[i]->isEnabled());
            const QImage shown = window.Picture1[i]->Picture().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage file = QImage(Module1::BoardCells[i / 4][i % 4]).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!file.isNull() && shown == file, qPrintable(QString("box %1").arg(i)));
        }
        for (int k = 1; k <= 16; ++k)
            QCOMPARE(paths.count(TilePictures::ImagePath(k)), 1);
        QCOMPARE(window.Form->windowTitle(), QStringLiteral("Dezudor játék"));
        QCOMPARE(window.Label1->text(), QStringLiteral("00 : 00"));
        QCOMPARE(Module1::MoveCount, 0.0);
        QVERIFY(window.Picture2->isHidden());
        QVERIFY(window.Timer1->isActive());
        QCOMPARE(window.Form->focusWidget(), window.Picture1[0]);
        QVERIFY(game->Messages.isEmpty());
    }

    // With the clock standing still the generator still runs on, so the
    // rejection drawing ends, the blank lands everywhere and about half of
    // the deals cannot be solved.
    void dealIsUniformAndIgnoresSolvability()
    {
        game->Board();
        constexpr int deals = 1600;
        int blankIn[16] = {};
        int unsolvable = 0;
        for (int n = 0; n < deals; ++n) {
            Module1::NewGame();
            for (int i = 0; i < 16; ++i)
                blankIn[i] += Module1::BoardCells[i / 4][i % 4] == TilePictures::BlankImagePath();
            unsolvable += !solvable();
        }
        for (int i = 0; i < 16; ++i)
            QVERIFY2(blankIn[i] > 50 && blankIn[i] < 150, qPrintable(QString("cell %1: %2").arg(i).arg(blankIn[i])));
        QVERIFY2(unsolvable > deals * 4 / 10 && unsolvable < deals * 6 / 10, qPrintable(QString::number(unsolvable)));
    }

    void clockCountsTicks_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("text");
        QTest::newRow("first tick") << 1 << "00 : 01";
        QTest::newRow("a minute") << 60 << "01 : 00";
        QTest::newRow("last single-digit minute") << 599 << "09 : 59";
        QTest::newRow("ten minutes") << 600 << "10 : 00";
        QTest::newRow("12:45") << 765 << "12 : 45";
        QTest::newRow("a hundred minutes") << 6000 << "100 : 00";
    }

    void clockCountsTicks()
    {
        QFETCH(int, ticks);
        QFETCH(QString, text);
        BoardControls& window = game->Board();
        for (int t = 0; t < ticks; ++t)
            BoardEvents::Timer1_Timer();
        QCOMPARE(window.Label1->text(), text);
        QVERIFY(Module1::ClockSeconds < 60);
    }

    void unreadablePicturesAreReportedOnceAndLeaveTheGamePlayable_data()
    {
        QTest::addColumn<QStringList>("missing");
        QTest::addColumn<QStringList>("corrupt");
        QTest::newRow("one missing") << QStringList{"5.jpg"} << QStringList{};
        QTest::newRow("one corrupt") << QStringList{} << QStringList{"7.jpg"};
        QTest::newRow("blank missing and one corrupt") << QStringList{"16.jpg"} << QStringList{"12.jpg"};
    }

    void unreadablePicturesAreReportedOnceAndLeaveTheGamePlayable()
    {
        QFETCH(QStringList, missing);
        QFETCH(QStringList, corrupt);
        for (const QString& name : missing)
            QVERIFY(QFile::remove(game->FilePath(name)));
        QRandomGenerator noise(99);
        for (const QString& name : corrupt) {
            QFile file(game->FilePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QByteArray bytes(700, '\0');
            for (char& b : bytes)
                b = static_cast<char>(noise.bounded(256));
            file.write(bytes);
        }

        BoardControls& window = game->Board();

        QCOMPARE(game->Messages.size(), 1);
        for (const QString& name : missing + corrupt)
            QVERIFY2(game->Messages.first().contains(game->FilePath(name)), qPrintable(game->Messages.first()));
        for (int i = 0; i < 16; ++i) {
            const QString file = Module1::BoardCells[i / 4][i % 4].section(QDir::separator(), -1);
            QCOMPARE(window.Picture1[i]->Picture().isNull(), missing.contains(file) || corrupt.contains(file));
        }

        // Each file is reported once a run, not at every deal.
        BoardEvents::Command2_Click();
        QCOMPARE(game->Messages.size(), 1);
        QVERIFY(window.Timer1->isActive());
    }

private:
    std::unique_ptr<TestGame> game;
};

QTEST_MAIN(TestNewGame)
#include "tst_newgame.moc"
