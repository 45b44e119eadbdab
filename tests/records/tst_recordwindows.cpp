#include "boardevents.h"
#include "high.h"
#include "highcontrols.h"
#include "highevents.h"
#include "hightab.h"
#include "hightabcontrols.h"
#include "keyboard.h"
#include "module1.h"
#include "recordfile.h"
#include "testgame.h"

#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTest>

#include <memory>

namespace {

HighControls& entryWindow()
{
    return Forms::high.Load();
}

HightabControls& listWindow()
{
    return Forms::hightab.Load();
}

// Key presses with their characters, accented ones included.
void typeText(QWidget* box, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(
            QEvent::KeyPress, c.isLetterOrNumber() ? Qt::Key_unknown : Qt::Key_Space, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
    }
}

} // namespace

class TestRecordWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { game = std::make_unique<TestGame>(31); }
    void cleanup()
    {
        game.reset();
        QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(", ")));
    }

    void windowsHaveTheirLayout()
    {
        game->Board();
        HighControls& entry = entryWindow();
        QCOMPARE(entry.Form->size(), QSize(214, 116));
        QCOMPARE(entry.Form->windowTitle(), QStringLiteral("Felvétel a rekord listába"));
        QCOMPARE(entry.Text1->text(), QStringLiteral("Névtelen"));
        QCOMPARE(entry.Text1->geometry(), QRect(16, 40, 89, 21));
        QCOMPARE(entry.Label2->text(), QStringLiteral("Időeredmény:"));
        QCOMPARE(entry.Label1->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QCOMPARE(entry.Command1->text(), QStringLiteral("Rendben"));
        QCOMPARE(entry.Command2->text(), QStringLiteral("Mégsem"));
        HightabControls& list = listWindow();
        QCOMPARE(list.Form->size(), QSize(170, 224));
        QCOMPARE(list.Form->windowTitle(), QStringLiteral("Rekordlista"));
        QCOMPARE(list.List1->palette().color(QPalette::Base), QColor(136, 160, 112));
        QCOMPARE(list.Label1->palette().color(QPalette::Window), QColor(1, 127, 126));
        QCOMPARE(list.Label1->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(list.Command2->text(), QStringLiteral("Törlés"));
        QVERIFY(list.Form->isHidden());
    }

    // A player's keys through one or two records. "<solve N>" lets the clock
    // run N seconds and solves the board with the left arrow; everything
    // else goes, key by key, to whatever has the focus.
    void keyboardThroughRecords_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("times");
        QTest::addColumn<QString>("active");
        QTest::newRow("ninth letter, then more and Enter")
            << QStringList{"<solve 12>", "abcdefghijk l", "<Space>", "<Enter>"} << QStringList{"abcdefghi"}
            << QStringList{"00 : 12"} << "hightab";
        QTest::newRow("Escape stores nothing, Space deals anew")
            << QStringList{"<solve 12>", "Bea", "<Escape>", "<Space>"} << QStringList{} << QStringList{} << "board";
        QTest::newRow("second record of a run")
            << QStringList{"<solve 12>", "Bea", "<Enter>", "<Enter>", "<Space>", "<solve 20>", "Cili", "<Enter>"}
            << QStringList{"Bea", "Cili"} << QStringList{"00 : 12", "00 : 20"} << "hightab";
        QTest::newRow("Space in the list, Escape, Space")
            << QStringList{"<solve 12>", "Ödön", "<Enter>", "<Space>", "<Escape>", "<Space>"} << QStringList{"Ödön"}
            << QStringList{"00 : 12"} << "board";
    }

    void keyboardThroughRecords()
    {
        QFETCH(QStringList, steps);
        QFETCH(QStringList, names);
        QFETCH(QStringList, times);
        QFETCH(QString, active);
        BoardControls& window = game->Board();
        // Only the test's own ticks move the clock, however long a step takes.
        const QSignalBlocker realTicks(window.Timer1);
        window.Form->show();
        QVERIFY(QTest::qWaitForWindowActive(window.Form));
        for (const QString& step : steps) {
            if (step.startsWith(QLatin1String("<solve "))) {
                for (int t = step.mid(7).chopped(1).toInt(); t > 0; --t)
                    BoardEvents::Timer1_Timer();
                ShowLayout(OneMoveFromSolved);
                PressKeys({"<Left>"});
            } else {
                PressKeys({step});
            }
            QVERIFY(!QTest::currentTestFailed());
        }
        QCOMPARE(ListRows(listWindow().List1), names);
        QCOMPARE(ListRows(listWindow().List2), times);
        QCOMPARE(ActiveWindowName(), active);
        // A closed name box shows why typing stopped: its text is grey.
        const QLineEdit* name = entryWindow().Text1;
        if (!name->isEnabled())
            QCOMPARE(name->palette().color(QPalette::Disabled, QPalette::Text), QColor(128, 128, 128));
        QVERIFY(!game->ProgramEnded);
        if (active == QLatin1String("board")) {
            QVERIFY(window.Picture1[0]->isEnabled());
            QCOMPARE(window.Label1->text(), QStringLiteral("00 : 00"));
        }
    }

    // Ten of the longest times stand whole, without scroll bars.
    void tenRowsFitWithoutScrollBars()
    {
        game->Board();
        HightabControls& list = listWindow();
        for (int i = 0; i < 10; ++i) {
            list.List1->addItem(QStringLiteral("Ödön"));
            list.List2->addItem(QStringLiteral("999 : 59"));
        }
        list.Form->show();
        for (QListWidget* box : {list.List1, list.List2}) {
            QVERIFY(!box->horizontalScrollBar()->isVisible());
            QVERIFY(!box->verticalScrollBar()->isVisible());
            for (int i = 0; i < box->count(); ++i) {
                const QRect row = box->visualItemRect(box->item(i));
                QVERIFY2(box->viewport()->rect().contains(row), qPrintable(QStringLiteral("row %1").arg(i)));
                QVERIFY(box->fontMetrics().horizontalAdvance(box->item(i)->text()) < row.width());
            }
        }
    }

    void recordCheckWalksTheStoredTimes_data()
    {
        QTest::addColumn<QList<double>>("stored");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<bool>("record");
        QTest::newRow("no record yet") << QList<double>{} << 500 << true;
        QTest::newRow("between two") << QList<double>{60, 120} << 100 << true;
        QTest::newRow("equal to slot 3") << QList<double>{10, 20, 30, 40, 50} << 40 << true;
        QTest::newRow("nine better, slot 9 free") << QList<double>{10, 20, 30, 40, 50, 60, 70, 80, 90} << 100 << false;
        QTest::newRow("full list, a faster time")
            << QList<double>{10, 20, 30, 40, 50, 60, 70, 80, 500, 600} << 100 << true;
        QTest::newRow("full list, a slower time")
            << QList<double>{10, 20, 30, 40, 50, 60, 70, 80, 90, 95} << 100 << false;
    }

    void recordCheckWalksTheStoredTimes()
    {
        QFETCH(QList<double>, stored);
        QFETCH(int, ticks);
        QFETCH(bool, record);
        BoardControls& window = game->Board();
        for (int i = 0; i < stored.size(); ++i)
            Module1::RecordSeconds[i] = stored[i];
        for (int t = 0; t < ticks; ++t)
            BoardEvents::Timer1_Timer();
        const QString clock = window.Label1->text();
        game->SetBoard(OneMoveFromSolved);
        QTest::mouseClick(window.Picture1[15], Qt::LeftButton);

        QVERIFY(Forms::high.IsLoaded());
        QCOMPARE(entryWindow().Text2->text(), clock);
        QCOMPARE(Module1::FinishSeconds, double(ticks));
        QCOMPARE(entryWindow().Form->isVisible(), record);
    }

    void hundredMinutesReadByFixedPlaces()
    {
        BoardControls& window = game->Board();
        for (int t = 0; t < 6005; ++t)
            BoardEvents::Timer1_Timer();
        game->SetBoard(OneMoveFromSolved);
        QTest::keyClick(window.Picture1[0], Qt::Key_Left);
        QCOMPARE(entryWindow().Text2->text(), QStringLiteral("100 : 05"));
        QCOMPARE(Module1::FinishSeconds, 600.0);
    }

    void nameBoxCountsLetterKeys_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("letters");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("nine letters close the box") << "abcdefghi" << 9 << false;
        QTest::newRow("four letters, a blank and a digit") << "abcd 5" << 4 << true;
        QTest::newRow("accented letters do not count") << "éőű" << 0 << true;
    }

    void nameBoxCountsLetterKeys()
    {
        QFETCH(QString, typed);
        QFETCH(int, letters);
        QFETCH(bool, enabled);
        game->Board();
        HighControls& entry = entryWindow();
        entry.Text1->clear();
        typeText(entry.Text1, typed);
        QCOMPARE(int(Module1::NameLetters), letters);
        QCOMPARE(entry.Text1->isEnabled(), enabled);
        QCOMPARE(entry.Text1->text(), typed);
    }

    void deletedLettersStillCountAndMegsemResets()
    {
        game->Board();
        HighControls& entry = entryWindow();
        entry.Form->show();
        QTest::keyClicks(entry.Text1, QStringLiteral("abcde"));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(entry.Text1, Qt::Key_Backspace);
        QTest::keyClicks(entry.Text1, QStringLiteral("wxyz"));
        QVERIFY(!entry.Text1->isEnabled());

        QTest::mouseClick(entry.Command2, Qt::LeftButton);
        QCOMPARE(entry.Text1->text(), QString());
        QVERIFY(entry.Text1->isEnabled());
        QCOMPARE(int(Module1::NameLetters), 0);
        QCOMPARE(entry.Form->focusWidget(), entry.Text1);
    }

    void clearEmptiesListAndFile()
    {
        QFile file(game->FilePath("scores.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("a\r\n00 : 10\r\nb\r\n00 : 20\r\n");
        file.close();
        game->Board();
        HightabControls& list = listWindow();
        list.Form->show();
        QTest::mouseClick(list.Command2, Qt::LeftButton);
        QCOMPARE(list.List1->count(), 0);
        QCOMPARE(list.List2->count(), 0);
        QCOMPARE(QFileInfo(file).size(), 0);
        QVERIFY(list.Form->isVisible());
        // The record check still compares with the times of the last load.
        QCOMPARE(Module1::RecordSeconds[0], 10.0);
    }

    void closeBoxOnlyHidesAndSelectionsGoTogether()
    {
        QFile file(game->FilePath("scores.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (int i = 0; i < 6; ++i)
            file.write("p" + QByteArray::number(i) + "\r\n00 : 1" + QByteArray::number(i) + "\r\n");
        file.close();
        game->Board();
        HightabControls& list = listWindow();
        list.Form->show();
        list.List1->setCurrentRow(2);
        QCOMPARE(list.List2->currentRow(), 2);
        list.List2->setCurrentRow(4);
        QCOMPARE(list.List1->currentRow(), 4);
        list.Form->close();
        QVERIFY(Forms::hightab.IsLoaded());
        QVERIFY(list.Form->isHidden());
        QCOMPARE(list.List1->count(), 6);
    }

    void solvedGameGoesIntoTheRecordFile()
    {
        QFile file(game->FilePath("scores.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Bea\r\n00 : 30\r\n");
        file.close();
        BoardControls& window = game->Board();
        for (int t = 0; t < 12; ++t)
            BoardEvents::Timer1_Timer();
        game->SetBoard(OneMoveFromSolved);
        QTest::mouseClick(window.Picture1[15], Qt::LeftButton);
        HighControls& entry = entryWindow();
        QVERIFY(entry.Form->isVisible());
        QTest::mouseClick(entry.Command2, Qt::LeftButton);
        typeText(entry.Text1, QStringLiteral("Ödön"));
        QTest::mouseClick(entry.Command1, Qt::LeftButton);

        QVERIFY(entry.Form->isHidden());
        QVERIFY(listWindow().Form->isVisible());
        QCOMPARE(ListRows(listWindow().List1), (QStringList{"Ödön", "Bea"}));
        QCOMPARE(ListRows(listWindow().List2), (QStringList{"00 : 12", "00 : 30"}));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Bea\r\n00 : 30\r\n\xd6\x64\xf6n\r\n00 : 12\r\n"));
        file.close();

        listWindow().List1->clear();
        listWindow().List2->clear();
        Module1::LoadRecords();
        QCOMPARE(ListRows(listWindow().List1), (QStringList{"Ödön", "Bea"}));
    }

    // A folder in the file's place: the record stays in the lists, sorted,
    // and the exit's second failed save adds no second message.
    void recordSurvivesAFileThatCannotBeWritten()
    {
        QVERIFY(QDir(game->Folder()).mkdir("scores.txt"));
        BoardControls& window = game->Board();
        listWindow().List1->addItem("Bea");
        listWindow().List2->addItem("00 : 30");
        for (int t = 0; t < 12; ++t)
            BoardEvents::Timer1_Timer();
        game->SetBoard(OneMoveFromSolved);
        QTest::mouseClick(window.Picture1[15], Qt::LeftButton);
        QTest::mouseClick(entryWindow().Command2, Qt::LeftButton);
        typeText(entryWindow().Text1, QStringLiteral("Ödön"));
        QTest::mouseClick(entryWindow().Command1, Qt::LeftButton);

        QCOMPARE(game->Messages.size(), 1);
        QVERIFY(listWindow().Form->isVisible());
        QCOMPARE(ListRows(listWindow().List1), (QStringList{"Ödön", "Bea"}));
        QCOMPARE(ListRows(listWindow().List2), (QStringList{"00 : 12", "00 : 30"}));

        QTest::mouseClick(window.Command1, Qt::LeftButton);
        QVERIFY(game->ProgramEnded);
        QCOMPARE(game->Messages.size(), 1);
    }

private:
    std::unique_ptr<TestGame> game;
};

QTEST_MAIN(TestRecordWindows)
#include "tst_recordwindows.moc"
