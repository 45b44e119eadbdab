#include "module1.h"
#include "testgame.h"

#include <QRandomGenerator>
#include <QTest>

#include <memory>

namespace {

// The solved order with the blank moved to box `blank` (the picture there goes to box 15).
std::array<int, 16> blankAt(int blank)
{
    std::array<int, 16> layout = SolvedLayout;
    std::swap(layout[blank], layout[15]);
    return layout;
}

QImage shownIn(const BoardControls& window, int box)
{
    return window.Picture1[box]->Picture().toImage().convertToFormat(QImage::Format_RGB32);
}

QImage fileImage(int k)
{
    return QImage(TilePictures::ImagePath(k)).convertToFormat(QImage::Format_RGB32);
}

QString moveTitle(int count)
{
    return QStringLiteral("   %1. lépés").arg(count);
}

} // namespace

class TestMoves : public QObject {
    Q_OBJECT

private slots:
    void init() { game = std::make_unique<TestGame>(11); }
    void cleanup()
    {
        game.reset();
        QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(", ")));
    }

    void clickMovesANeighbourAndCountsItsLine_data()
    {
        QTest::addColumn<int>("blank");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<bool>("moves");
        QTest::addColumn<int>("count");
        QTest::newRow("tile above the blank") << 5 << 1 << true << 1;
        QTest::newRow("tile below the blank") << 5 << 9 << true << 1;
        QTest::newRow("tile left of the blank") << 5 << 4 << true << 1;
        QTest::newRow("tile right of the blank") << 5 << 6 << true << 1;
        QTest::newRow("two away in the column") << 5 << 13 << false << 1;
        QTest::newRow("two away in the row") << 5 << 7 << false << 1;
        QTest::newRow("the blank itself") << 5 << 5 << false << 1;
        QTest::newRow("off row and column") << 5 << 0 << false << 0;
        QTest::newRow("no wrap from a row's end") << 3 << 4 << false << 0;
        QTest::newRow("corner blank, tile above") << 15 << 11 << true << 1;
    }

    void clickMovesANeighbourAndCountsItsLine()
    {
        QFETCH(int, blank);
        QFETCH(int, clicked);
        QFETCH(bool, moves);
        QFETCH(int, count);
        BoardControls& window = game->Board();
        game->SetBoard(blankAt(blank));
        const int tile = game->PictureAt(clicked);

        QTest::mouseClick(window.Picture1[clicked], Qt::LeftButton);

        QCOMPARE(Module1::MoveCount, double(count));
        QCOMPARE(window.Form->windowTitle(), moveTitle(count));
        if (moves) {
            QCOMPARE(game->PictureAt(clicked), 16);
            QCOMPARE(game->PictureAt(blank), tile);
            QCOMPARE(shownIn(window, clicked), fileImage(16));
            QCOMPARE(shownIn(window, blank), fileImage(tile));
        } else {
            QCOMPARE(game->PictureAt(clicked), tile);
            QCOMPARE(game->PictureAt(blank), 16);
        }
        for (int i = 0; i < 16; ++i)
            QVERIFY(window.Picture1[i]->isEnabled());
    }

    void arrowMovesTheTileThatCanGoThatWay_data()
    {
        QTest::addColumn<int>("blank");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("moving"); // -1: nothing moves
        QTest::newRow("inner, up") << 5 << int(Qt::Key_Up) << 0 << 9;
        QTest::newRow("inner, down") << 5 << int(Qt::Key_Down) << 0 << 1;
        QTest::newRow("inner, left") << 5 << int(Qt::Key_Left) << 0 << 6;
        QTest::newRow("inner, right") << 5 << int(Qt::Key_Right) << 0 << 4;
        QTest::newRow("inner, up with shift") << 10 << int(Qt::Key_Up) << int(Qt::ShiftModifier) << 14;
        QTest::newRow("bottom edge, up") << 13 << int(Qt::Key_Up) << 0 << -1;
        QTest::newRow("bottom edge, down") << 13 << int(Qt::Key_Down) << 0 << 9;
        QTest::newRow("bottom edge, left") << 13 << int(Qt::Key_Left) << 0 << 14;
        QTest::newRow("top-left, down") << 0 << int(Qt::Key_Down) << 0 << -1;
        QTest::newRow("top-left, right") << 0 << int(Qt::Key_Right) << 0 << -1;
        QTest::newRow("top-left, up") << 0 << int(Qt::Key_Up) << 0 << 4;
        QTest::newRow("top-left, left") << 0 << int(Qt::Key_Left) << 0 << 1;
        QTest::newRow("right edge, left") << 7 << int(Qt::Key_Left) << 0 << -1;
        QTest::newRow("a letter") << 5 << int(Qt::Key_A) << 0 << -1;
        QTest::newRow("shift alone") << 5 << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << -1;
    }

    // The keys go to box 0, wherever the blank is: the focused box plays no part.
    void arrowMovesTheTileThatCanGoThatWay()
    {
        QFETCH(int, blank);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, moving);
        BoardControls& window = game->Board();
        game->SetBoard(blankAt(blank));
        const std::array<int, 16> before = blankAt(blank);

        QTest::keyClick(window.Picture1[0], Qt::Key(key), Qt::KeyboardModifiers(modifiers));

        const int count = moving < 0 ? 0 : 1;
        QCOMPARE(Module1::MoveCount, double(count));
        QCOMPARE(window.Form->windowTitle(), moveTitle(count));
        for (int i = 0; i < 16; ++i) {
            int expected = before[i];
            if (moving >= 0 && i == blank)
                expected = before[moving];
            else if (moving >= 0 && i == moving)
                expected = 16;
            QCOMPARE(game->PictureAt(i), expected);
            QCOMPARE(shownIn(window, i), fileImage(expected));
        }
    }

    void heldArrowStopsAtTheEdge()
    {
        BoardControls& window = game->Board();
        game->SetBoard(blankAt(4));
        for (int repeat = 0; repeat < 6; ++repeat)
            QTest::keyClick(window.Picture1[0], Qt::Key_Left);
        QCOMPARE(Module1::MoveCount, 3.0);
        QCOMPARE(game->PictureAt(7), 16);
    }

    void solvingMoveEndsTheGame_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("by mouse") << false;
        QTest::newRow("by key") << true;
    }

    void solvingMoveEndsTheGame()
    {
        QFETCH(bool, byKey);
        BoardControls& window = game->Board();
        for (int t = 0; t < 42; ++t)
            BoardEvents::Timer1_Timer();
        game->SetBoard(OneMoveFromSolved);
        if (byKey)
            QTest::keyClick(window.Picture1[3], Qt::Key_Left);
        else
            QTest::mouseClick(window.Picture1[15], Qt::LeftButton);

        for (int i = 0; i < 16; ++i)
            QVERIFY(!window.Picture1[i]->isEnabled());
        QVERIFY(!window.Picture2->isHidden());
        QVERIFY(!window.Timer1->isActive());
        QCOMPARE(window.Label1->text(), QStringLiteral("00 : 42"));
        QCOMPARE(window.Form->windowTitle(), moveTitle(1));
        QCOMPARE(shownIn(window, 15), fileImage(16));

        // A solved board takes no further input.
        QTest::mouseClick(window.Picture1[14], Qt::LeftButton);
        QTest::keyClick(window.Picture1[14], Qt::Key_Right);
        QCOMPARE(Module1::MoveCount, 1.0);
        QCOMPARE(game->PictureAt(15), 16);

        BoardEvents::Command2_Click();
        for (int i = 0; i < 16; ++i)
            QVERIFY(window.Picture1[i]->isEnabled());
        QVERIFY(window.Picture2->isHidden());
        QVERIFY(window.Timer1->isActive());
    }

    void solvedDealIsRecognisedOnlyAtTheFirstInput()
    {
        BoardControls& window = game->Board();
        game->SetBoard(SolvedLayout);
        QVERIFY(window.Picture1[0]->isEnabled());
        QVERIFY(window.Picture2->isHidden());

        QTest::keyClick(window.Picture1[0], Qt::Key_A);

        QVERIFY(!window.Picture1[0]->isEnabled());
        QVERIFY(!window.Picture2->isHidden());
        QCOMPARE(window.Form->windowTitle(), moveTitle(0));
    }

    // A seeded walk of the blank away from the solved picture, then the keys
    // that walk it back, pressed on the real window.
    void wholeGameByKeys()
    {
        BoardControls& window = game->Board();
        std::array<int, 16> layout = SolvedLayout;
        int blank = 15;
        QList<Qt::Key> solution;
        QRandomGenerator walk(2024);
        while (solution.size() < 120) {
            const int step = walk.bounded(4);
            const int row = blank / 4 + (step == 0) - (step == 1);
            const int col = blank % 4 + (step == 2) - (step == 3);
            if (row < 0 || row > 3 || col < 0 || col > 3)
                continue;
            std::swap(layout[blank], layout[4 * row + col]);
            blank = 4 * row + col;
            if (layout == SolvedLayout) {
                solution.clear();
                continue;
            }
            // The blank went down, right, ...: the key that brings it back.
            static const Qt::Key back[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Right, Qt::Key_Left};
            solution.prepend(back[step]);
        }
        game->SetBoard(layout);

        for (int i = 0; i < solution.size(); ++i) {
            QVERIFY2(window.Picture1[0]->isEnabled(), qPrintable(QString("solved early, at key %1").arg(i)));
            QTest::keyClick(window.Picture1[0], solution[i]);
        }

        QVERIFY(!window.Picture1[0]->isEnabled());
        QVERIFY(!window.Picture2->isHidden());
        QCOMPARE(window.Form->windowTitle(), moveTitle(int(solution.size())));
    }

private:
    std::unique_ptr<TestGame> game;
};

QTEST_MAIN(TestMoves)
#include "tst_moves.moc"
