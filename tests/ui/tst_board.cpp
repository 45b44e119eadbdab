#include "boardcontrols.h"
#include "testgame.h"

#include <QAccessible>
#include <QTest>

#include <memory>

class TestBoard : public QObject {
    Q_OBJECT

private slots:
    void init() { game = std::make_unique<TestGame>(3); }
    void cleanup()
    {
        game.reset();
        QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(", ")));
    }

    void windowHasItsSizeAndLook()
    {
        BoardControls& window = game->Board();
        QCOMPARE(window.Form->size(), QSize(146, 250));
        QCOMPARE(window.Form->windowTitle(), QStringLiteral("Dezudor játék"));
        QVERIFY(!window.Form->windowIcon().isNull());
        QCOMPARE(window.Label1->geometry(), QRect(16, 16, 65, 25));
        QCOMPARE(window.Label1->font().family(), QStringLiteral("Arial"));
        QCOMPARE(window.Label1->font().pointSizeF(), 12.0);
        QVERIFY(window.Label1->font().bold());
        QCOMPARE(window.Label1->palette().color(QPalette::Window), QColor(136, 160, 112));
        QVERIFY(window.Label1->autoFillBackground());
        QCOMPARE(window.Label1->toolTip(), QStringLiteral("Játékidő"));
        QCOMPARE(window.Picture2->geometry(), QRect(100, 10, 37, 37));
        QVERIFY(window.Picture2->isHidden());
        QVERIFY(!window.Picture2->Picture().isNull());
    }

    void tileBoxesLieOnTheGrid_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("box 0") << 0 << QRect(8, 56, 32, 32);
        QTest::newRow("box 3") << 3 << QRect(104, 56, 32, 32);
        QTest::newRow("box 4") << 4 << QRect(8, 88, 32, 32);
        QTest::newRow("box 5") << 5 << QRect(40, 88, 32, 32);
        QTest::newRow("box 10") << 10 << QRect(72, 120, 32, 32);
        QTest::newRow("box 15") << 15 << QRect(104, 152, 32, 32);
    }

    void tileBoxesLieOnTheGrid()
    {
        QFETCH(int, index);
        QFETCH(QRect, geometry);
        QCOMPARE(game->Board().Picture1[index]->geometry(), geometry);
    }

    void buttonsStandInOneRow_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("new game") << 2 << QRect(8, 200, 33, 33) << "Újra";
        QTest::newRow("options") << 3 << QRect(56, 200, 33, 33) << "Beállítások";
        QTest::newRow("exit") << 1 << QRect(103, 200, 33, 33) << "Kilépés";
    }

    void buttonsStandInOneRow()
    {
        QFETCH(int, button);
        QFETCH(QRect, geometry);
        QFETCH(QString, toolTip);
        BoardControls& window = game->Board();
        QPushButton* buttons[] = {nullptr, window.Command1, window.Command2, window.Command3};
        QCOMPARE(buttons[button]->geometry(), geometry);
        QCOMPARE(buttons[button]->toolTip(), toolTip);
        QVERIFY(buttons[button]->text().isEmpty());
        QVERIFY(!buttons[button]->icon().isNull());
        QCOMPARE(buttons[button]->focusPolicy(), Qt::TabFocus);
    }

    void tabOrderStartsWithTheTiles()
    {
        BoardControls& window = game->Board();
        QWidget* widget = window.Picture1[0];
        for (int i = 1; i < 16; ++i) {
            widget = widget->nextInFocusChain();
            QCOMPARE(widget, window.Picture1[i]);
        }
    }

    void disabledBoxKeepsItsPicture()
    {
        BoardControls& window = game->Board();
        window.Form->show();
        const QImage enabled = window.Picture1[6]->grab().toImage();
        window.Picture1[6]->setEnabled(false);
        QCOMPARE(window.Picture1[6]->grab().toImage(), enabled);
    }

    // A screen reader follows the game: each box names its cell and piece.
    void boxesAndButtonsHaveAccessibleNames()
    {
        BoardControls& window = game->Board();
        game->SetBoard({16, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 1});
        BoardEvents::Picture1_Click(1);
        const auto name
            = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); };
        QCOMPARE(name(window.Picture1[0]), QStringLiteral("1. sor, 1. oszlop: 2. darab"));
        QCOMPARE(name(window.Picture1[1]), QStringLiteral("1. sor, 2. oszlop: üres mező"));
        QCOMPARE(name(window.Picture1[15]), QStringLiteral("4. sor, 4. oszlop: 1. darab"));
        QCOMPARE(name(window.Command1), QStringLiteral("Kilépés"));
        QCOMPARE(name(window.Command2), QStringLiteral("Újra"));
        QCOMPARE(name(window.Command3), QStringLiteral("Beállítások"));
    }

    void newGameButtonDealsAgain()
    {
        BoardControls& window = game->Board();
        for (int t = 0; t < 75; ++t)
            BoardEvents::Timer1_Timer();
        window.Form->setWindowTitle(QStringLiteral("   4. lépés"));
        QTest::mouseClick(window.Command2, Qt::LeftButton);
        QCOMPARE(window.Label1->text(), QStringLiteral("00 : 00"));
        QCOMPARE(window.Form->windowTitle(), QStringLiteral("Dezudor játék"));
        BoardEvents::Timer1_Timer();
        QCOMPARE(window.Label1->text(), QStringLiteral("00 : 01"));
    }

    void exitEndsTheProgram_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("exit button") << false;
        QTest::newRow("frame's close box") << true;
    }

    void exitEndsTheProgram()
    {
        QFETCH(bool, closeBox);
        BoardControls& window = game->Board();
        window.Form->show();
        if (closeBox)
            window.Form->close();
        else
            QTest::mouseClick(window.Command1, Qt::LeftButton);
        QVERIFY(game->ProgramEnded);
        QVERIFY(!Forms::board.IsLoaded());
    }

private:
    std::unique_ptr<TestGame> game;
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
