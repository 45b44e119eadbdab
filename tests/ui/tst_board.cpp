#include "windowtest.h"

#include <QTest>

class BoardTest : public WindowTest {
    Q_OBJECT

private slots:
    void exitEndsTheProgram_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("exit button") << false;
        QTest::newRow("frame's close box") << true;
    }

    void exitEndsTheProgram()
    {
        QFETCH(bool, closeBox);
        BoardControls& window = ActiveBoard();
        if (closeBox)
            window.Form->close();
        else
            QTest::mouseClick(window.Command1, Qt::LeftButton);
        QVERIFY(game->ProgramEnded);
        QVERIFY(!Forms::board.IsLoaded());
    }
};

QTEST_MAIN(BoardTest)
#include "tst_board.moc"
