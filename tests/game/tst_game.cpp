#include "errorreport.h"
#include "windowtest.h"

#include <QFile>
#include <QSignalBlocker>
#include <QTest>

namespace {

using Layout = std::array<int, 16>;

Layout blankAt(int blank)
{
    Layout layout = SolvedLayout;
    std::swap(layout[blank], layout[15]);
    return layout;
}

bool shows(int box, int k)
{
    const auto rgb = [](const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); };
    return rgb(Forms::board.Load().Picture1[box]->Picture().toImage()) == rgb(QImage(TilePictures::ImagePath(k)));
}

} // namespace

class GameTest : public WindowTest {
    Q_OBJECT

private slots:
    void inputMovesANeighbourAndCounts_data()
    {
        QTest::addColumn<int>("blank");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("moving"); // the box whose tile enters the blank; -1: none
        QTest::addColumn<int>("count");
        QTest::newRow("click above") << 5 << "click 1" << 1 << 1;
        QTest::newRow("click below") << 5 << "click 9" << 9 << 1;
        QTest::newRow("click left") << 5 << "click 4" << 4 << 1;
        QTest::newRow("click right") << 5 << "click 6" << 6 << 1;
        QTest::newRow("click two away in the column counts") << 5 << "click 13" << -1 << 1;
        QTest::newRow("click two away in the row counts") << 5 << "click 7" << -1 << 1;
        QTest::newRow("click on the blank counts") << 5 << "click 5" << -1 << 1;
        QTest::newRow("click off row and column") << 5 << "click 0" << -1 << 0;
        QTest::newRow("no wrap from a row's end") << 3 << "click 4" << -1 << 0;
        QTest::newRow("up") << 5 << "<Up>" << 9 << 1;
        QTest::newRow("down") << 5 << "<Down>" << 1 << 1;
        QTest::newRow("left") << 5 << "<Left>" << 6 << 1;
        QTest::newRow("right") << 5 << "<Right>" << 4 << 1;
        QTest::newRow("up at the bottom edge") << 13 << "<Up>" << -1 << 0;
        QTest::newRow("down at the top edge") << 0 << "<Down>" << -1 << 0;
        QTest::newRow("right at the left edge") << 0 << "<Right>" << -1 << 0;
        QTest::newRow("left at the right edge") << 7 << "<Left>" << -1 << 0;
        QTest::newRow("a letter") << 5 << "a" << -1 << 0;
        QTest::newRow("a letter one move before solved") << 14 << "a" << -1 << 0;
    }

    void inputMovesANeighbourAndCounts()
    {
        QFETCH(int, blank);
        QFETCH(QString, input);
        QFETCH(int, moving);
        QFETCH(int, count);
        BoardControls& window = ActiveBoard();
        ShowLayout(blankAt(blank));
        Layout expected = blankAt(blank);
        if (moving >= 0)
            std::swap(expected[blank], expected[moving]);

        Play(input);

        QCOMPARE(window.Form->windowTitle(), QStringLiteral("   %1. lépés").arg(count));
        for (int i = 0; i < 16; ++i)
            QVERIFY(game->PictureAt(i) == expected[i] && shows(i, expected[i]) && window.Picture1[i]->isEnabled());
        QVERIFY(window.Picture2->isHidden() && window.Timer1->isActive()); // not solved: the game goes on
    }

    // No deal is checked for being solvable; about half are not, which is why the player may deal again.
    void aboutHalfOfTheDealsCannotBeSolved()
    {
        game->Board();
        const int deals = 2000;
        int unsolvable = 0;
        for (int deal = 0; deal < deals; ++deal) {
            Module1::NewGame();
            // Solvable when the permutation's parity equals that of the blank's distance from the bottom right.
            int parity = 0;
            for (int i = 0; i < 16; ++i) {
                for (int j = i + 1; j < 16; ++j)
                    parity += game->PictureAt(i) > game->PictureAt(j) ? 1 : 0;
                if (game->PictureAt(i) == 16)
                    parity += 6 - i / 4 - i % 4;
            }
            unsolvable += parity % 2;
        }
        QVERIFY2(
            unsolvable > deals * 45 / 100 && unsolvable < deals * 55 / 100, qPrintable(QString::number(unsolvable)));
    }

    // Broken files are named once a run, in the order they were read.
    void unreadablePicturesAreReportedOnce_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QStringList>("reported");
        QTest::newRow("corrupt at the start") << "" << QStringList{"5.jpg"};
        QTest::newRow("click: blank read first") << "click 6" << QStringList{"16.jpg", "7.jpg"};
        QTest::newRow("arrow: tile read first") << "<Left>" << QStringList{"7.jpg", "16.jpg"};
    }

    void unreadablePicturesAreReportedOnce()
    {
        QFETCH(QString, input);
        QFETCH(QStringList, reported);
        QStringList paths;
        for (const QString& name : reported)
            paths.append(game->FilePath(name));
        if (input.isEmpty()) {
            QFile file(paths[0]);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(QByteArray(700, 'Z')) > 0);
            // As the game starts: the board shows first, the message over it.
            platform::SetErrorReporter([this](const QString& text) {
                game->Messages.append(Forms::board.IsLoaded() && Forms::board.Window()->isVisible() ? text : "unseen");
            });
            ui::StartGame();
        }
        ActiveBoard();
        if (!input.isEmpty()) {
            ShowLayout(blankAt(5));
            for (const QString& path : paths)
                QVERIFY(QFile::remove(path));
            Play(input);
        }
        QCOMPARE(game->Messages.size(), 1);
        QVERIFY2(game->Messages[0].contains(paths.join(QLatin1Char('\n'))), qPrintable(game->Messages[0]));
        BoardEvents::Command2_Click();
        QCOMPARE(game->Messages.size(), 1);
    }

    void solvingEndsTheGame_data()
    {
        QTest::addColumn<Layout>("layout");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("count");
        QTest::newRow("by mouse") << OneMoveFromSolved << "click 15" << 1;
        QTest::newRow("by key") << OneMoveFromSolved << "<Left>" << 1;
        QTest::newRow("solved deal, at the first key") << SolvedLayout << "a" << 0;
    }

    void solvingEndsTheGame()
    {
        QFETCH(Layout, layout);
        QFETCH(QString, input);
        QFETCH(int, count);
        BoardControls& window = ActiveBoard();
        const QSignalBlocker realTicks(window.Timer1); // the test's own ticks only; the timer stays active
        Tick(42);
        std::fill(std::begin(Module1::RecordSeconds), std::end(Module1::RecordSeconds), 1); // no record
        ShowLayout(layout);

        Play(input);

        for (int i = 0; i < 16; ++i)
            QVERIFY(!window.Picture1[i]->isEnabled());
        QVERIFY(window.Picture2->isVisible() && !window.Picture2->Picture().isNull()); // the smiling face
        QVERIFY(!window.Timer1->isActive());
        QCOMPARE(window.Label1->text(), QStringLiteral("00 : 42"));
        QCOMPARE(window.Form->windowTitle(), QStringLiteral("   %1. lépés").arg(count));
        QCOMPARE(QApplication::focusWidget(), window.Command2);

        PressKeys({"<Space>"}); // Újra deals a fresh game
        QSet<int> dealt;
        for (int i = 0; i < 16; ++i) {
            QVERIFY(window.Picture1[i]->isEnabled());
            dealt.insert(game->PictureAt(i));
        }
        QCOMPARE(dealt.size(), 16);
        QVERIFY(window.Picture2->isHidden());
        QVERIFY(window.Timer1->isActive());
        QCOMPARE(window.Label1->text(), QStringLiteral("00 : 00"));
        QCOMPARE(window.Form->windowTitle(), QStringLiteral("Dezudor játék"));
        const auto focused = std::find(window.Picture1.begin(), window.Picture1.end(), QApplication::focusWidget());
        QVERIFY(focused != window.Picture1.end());
        QCOMPARE(game->PictureAt(int(focused - window.Picture1.begin())), 16); // the keyboard starts at the gap
    }

    void clockShowsMinutesAndSeconds_data()
    {
        QTest::addColumn<int>("ticks"); // 0: a real tick of the running timer
        QTest::addColumn<QString>("text");
        QTest::newRow("the timer's own tick") << 0 << "00 : 01";
        QTest::newRow("ten seconds") << 10 << "00 : 10";
        QTest::newRow("a minute") << 60 << "01 : 00";
        QTest::newRow("ten minutes") << 600 << "10 : 00";
        QTest::newRow("a hundred minutes") << 6000 << "100 : 00";
    }

    void clockShowsMinutesAndSeconds()
    {
        QFETCH(int, ticks);
        QFETCH(QString, text);
        BoardControls& window = game->Board();
        if (ticks == 0) {
            QCOMPARE(window.Timer1->interval(), 1000);
            QTRY_COMPARE_WITH_TIMEOUT(window.Label1->text(), text, 5000);
            return;
        }
        window.Timer1->stop();
        Tick(ticks);
        QCOMPARE(window.Label1->text(), text);
    }
};

QTEST_MAIN(GameTest)
#include "tst_game.moc"
