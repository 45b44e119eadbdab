#include "windowtest.h"

#include <QClipboard>
#include <QDir>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTest>

#include <algorithm>

class TestRecords : public WindowTest {
    Q_OBJECT

    QString scores() const { return game->FilePath("scores.txt"); }

private slots:
    // `seconds`: the first slots after the sort; slots past the last record keep an earlier load's times.
    // `saved`: the file the next save writes, in the code page.
    void loadReadsSortsAndShowsTheBestTen_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file at all
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("times");
        QTest::addColumn<QList<double>>("seconds");
        QTest::addColumn<int>("lastRecord");
        QTest::addColumn<QByteArray>("saved");
        const auto row = [](const char* name, const QByteArray& content, const QString& names, const QString& times,
                             const QList<double>& seconds, int last, const QByteArray& saved) {
            QTest::newRow(name) << content << names.split('|') << times.split('|') << seconds << last << saved;
        };
        QTest::newRow("no file") << QByteArray() << QStringList{} << QStringList{} << QList<double>{} << -1
                                 << QByteArray("");
        row("equal times keep their order", "a\r\n00 : 05\r\nb\r\n00 : 05\r\nc\r\n00 : 03\r\n", "c|b|a",
            "00 : 03|00 : 05|00 : 05", {3, 5, 5}, 2, "c\r\n00 : 03\r\nb\r\n00 : 05\r\na\r\n00 : 05\r\n");
        row("sign and point", "a\r\n-1 : 30\r\nb\r\n1. : 05\r\nc\r\n.5 : 00\r\nd\r\n00 : 31\r\n", "a|c|d|b",
            "-1 : 30|.5 : 00|00 : 31|1. : 05", {-30, 30, 31, 65}, 3,
            "a\r\n-1 : 30\r\nc\r\n.5 : 00\r\nd\r\n00 : 31\r\nb\r\n1. : 05\r\n");
        row("fixed places, empty name hidden, blank shown", "\r\n100 : 05\r\n  \r\nab : cd\r\nz\r\n1\r\n", "  |z",
            "ab : cd|1", {0, 60, 600}, 2, "  \r\nab : cd\r\nz\r\n1\r\n");
        row("LF only, odd line count", "x\n01 : 00\nlonely", "lonely|x", "|01 : 00", {0, 60}, 1,
            "lonely\r\n\r\nx\r\n01 : 00\r\n");
        row("UTF-8 with a byte order mark", "\xef\xbb\xbf\xc3\x81gnes\r\n01 : 05\r\n\xc5\x90rs\r\n00 : 40\r\n",
            "Őrs|Ágnes", "00 : 40|01 : 05", {40, 65}, 1, "\xd5rs\r\n00 : 40\r\n\xc1gnes\r\n01 : 05\r\n");
        // Each line on its own: a file that the old game added a record to holds both encodings.
        row("UTF-8 without a mark, beside the code page", "\xc3\x81gnes\n01 : 05\n\xd6\x64\xf6n\n00 : 09\n",
            "Ödön|Ágnes", "00 : 09|01 : 05", {9, 65}, 1, "\xd6\x64\xf6n\r\n00 : 09\r\n\xc1gnes\r\n01 : 05\r\n");
        // A line of 1 MiB and a byte: its entry goes, the ones after it stay whole.
        row("an over-long name line",
            "a\r\n00 : 20\r\n" + QByteArray(1024 * 1024 + 1, 'x') + "\r\n00 : 01\r\nb\n00 : 30", "a|b",
            "00 : 20|00 : 30", {20, 30}, 1, "a\r\n00 : 20\r\nb\r\n00 : 30\r\n");
        QByteArray twenty, best;
        QString names, times;
        for (int i = 0; i < 20; ++i) {
            twenty += QStringLiteral("q%1\r\n00 : %2\r\n").arg(i).arg(29 - i).toLatin1();
            if (i >= 10) {
                names.prepend(QStringLiteral("q%1|").arg(i)), times.prepend(QStringLiteral("00 : %1|").arg(29 - i));
                best.prepend(QStringLiteral("q%1\r\n00 : %2\r\n").arg(i).arg(29 - i).toLatin1());
            }
        }
        row("twenty, best last: the best ten of them all", twenty, names.chopped(1), times.chopped(1), {10, 11}, 14,
            best);
    }

    void loadReadsSortsAndShowsTheBestTen()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, names);
        QFETCH(QStringList, times);
        QFETCH(QList<double>, seconds);
        QFETCH(int, lastRecord);
        QFETCH(QByteArray, saved);
        game->Board();
        std::fill(std::begin(Module1::RecordSeconds), std::end(Module1::RecordSeconds), 99.0);
        if (!content.isNull())
            WriteFile(scores(), content);
        Module1::LoadRecords();
        QCOMPARE(int(Module1::LastRecord), lastRecord);
        for (int i = 0; i < seconds.size(); ++i)
            QCOMPARE(Module1::RecordSeconds[i], seconds[i]);
        if (lastRecord + 1 < Module1::RecordSlots)
            QCOMPARE(Module1::RecordSeconds[lastRecord + 1], 99.0);
        QCOMPARE(QFile::exists(scores()), !content.isNull());
        // Ended before the list was ever shown, then shown and saved again.
        Module1::SaveRecordsAtEnd();
        QCOMPARE(FileBytes(scores()), saved);
        QCOMPARE(ListRows(Forms::hightab.Load().List1), names);
        QCOMPARE(ListRows(Forms::hightab.Load().List2), times);
        QVERIFY(Module1::SaveRecords());
        QCOMPARE(FileBytes(scores()), saved);
        QVERIFY(game->Messages.isEmpty());
    }

    // Steps split at "|": "<solve N>" ticks N seconds, then the left arrow solves; "<folder>" blocks scores.txt;
    // "<end>" saves as a signal or a lost display does; "<paste T>" is Ctrl+V with T on the clipboard, "<commit T>"
    // an input method's T.
    void keyboardThroughRecords_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("active");
        QTest::addColumn<QByteArray>("file");
        const auto row = [](const char* name, const QString& steps, const char* names, const char* active,
                             const char* file) { QTest::newRow(name) << steps << names << active << QByteArray(file); };
        const QString next = "|<Enter>|<Enter>|<Space>|"; // Rendben, close the list, deal anew
        row("ninth letter, then keys into the time", "<solve 12>|abcdefghijk l|<Space>|<Enter>", "abcdefghi", "hightab",
            "abcdefghi\r\n00 : 12\r\n");
        row("only unaccented letters count", "<solve 12>|őű 5abcdefghiX|<Enter>", "őű 5abcdefghi", "hightab",
            "\xf5\xfb 5abcdefghi\r\n00 : 12\r\n");
        row("deleted letters still count",
            "<solve 12>|abcde|<Backspace>|<Backspace>|<Backspace>|<Backspace>|<Backspace>|wxyzq|<Enter>", "wxyz",
            "hightab", "wxyz\r\n00 : 12\r\n");
        row("Mégsem opens the box again, nine letters anew",
            "<solve 12>|abcdefghi|<Tab>|<Tab>|<Space>|jklmnopqrs|<Enter>", "jklmnopqr", "hightab",
            "jklmnopqr\r\n00 : 12\r\n");
        row("Escape stores nothing, Space deals anew", "<solve 12>|Bea|<Escape>|<Space>|<end>", "", "board", "");
        row("ended before Rendben: stored under the name", "<solve 12>|Bea|<end>", "", "high", "Bea\r\n00 : 12\r\n");
        row("Space in the list, Escape, Space", "<solve 12>|Ödön|<Enter>|<Space>|<Escape>|<Space>", "Ödön", "board",
            "\xd6\x64\xf6n\r\n00 : 12\r\n");
        row("a closed box stays closed with its name", "<solve 12>|abcdefghi" + next + "<solve 20>|x|<Enter>",
            "abcdefghi|abcdefghi", "hightab", "abcdefghi\r\n00 : 12\r\nabcdefghi\r\n00 : 20\r\n");
        row("the letter count goes on", "<solve 12>|Bea" + next + "<solve 20>|Cilikex|<Enter>", "Bea|Cilike", "hightab",
            "Bea\r\n00 : 12\r\nCilike\r\n00 : 20\r\n");
        row("the name stays", "<solve 12>|Bea" + next + "<solve 20>|<Enter>", "Bea|Bea", "hightab",
            "Bea\r\n00 : 12\r\nBea\r\n00 : 20\r\n");
        row("pasted lines over the selected name: the first stays",
            "<solve 12>|<paste Első sor\r\nMásodik\r\nHarmadik>|<Enter>", "Első sor", "hightab",
            "Els\xf5 sor\r\n00 : 12\r\n");
        row("pasted into the name: the rest of the name stays", "<solve 12>|Bea|<Left>|<paste Cili\nDóra\n>|z|<Enter>",
            "BeCiliza", "hightab", "BeCiliza\r\n00 : 12\r\n");
        row("an input method's line break", "<solve 12>|<commit Ödön\rÁgnes>|x|<Enter>", "Ödönx", "hightab",
            "\xd6\x64\xf6nx\r\n00 : 12\r\n");
        row("unwritable file: records kept in memory, said once",
            "<folder>|<solve 12>|Bea" + next + "<solve 5>|Cili|<Enter>", "Cili|Bea", "hightab", "");
    }

    void keyboardThroughRecords()
    {
        QFETCH(QString, steps);
        QFETCH(QString, names);
        QFETCH(QString, active);
        QFETCH(QByteArray, file);
        const QSignalBlocker realTicks(game->Board().Timer1); // only the test's own ticks move the clock
        BoardControls& window = ActiveBoard();
        for (const QString& step : steps.split('|')) {
            if (step.startsWith(QLatin1String("<solve "))) {
                Tick(step.mid(7).chopped(1).toInt());
                ShowLayout(OneMoveFromSolved);
                PressKeys({"<Left>"});
            } else if (step == QLatin1String("<folder>"))
                QVERIFY(QDir(game->Folder()).mkdir("scores.txt"));
            else if (step == QLatin1String("<end>"))
                Module1::SaveRecordsAtEnd();
            else if (step.startsWith(QLatin1String("<paste "))) {
                QGuiApplication::clipboard()->setText(step.mid(7).chopped(1));
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
            } else if (step.startsWith(QLatin1String("<commit "))) {
                QInputMethodEvent commit;
                commit.setCommitString(step.mid(8).chopped(1));
                QCoreApplication::sendEvent(QApplication::focusWidget(), &commit);
            } else
                PressKeys({step});
        }
        QCOMPARE(ListRows(Forms::hightab.Load().List1), names.split('|', Qt::SkipEmptyParts));
        QCOMPARE(ActiveWindowName(), active);
        QCOMPARE(game->Messages.size(), steps.startsWith("<folder>") ? 1 : 0);
        QCOMPARE(FileBytes(scores()), file);
        // A closed name box's grey text shows why typing stopped.
        const QLineEdit* name = Forms::high.Load().Text1;
        if (!name->isEnabled())
            QCOMPARE(name->palette().color(QPalette::Disabled, QPalette::Text), QColor(128, 128, 128));
        if (active == QLatin1String("board"))
            QCOMPARE(window.Label1->text(), QStringLiteral("00 : 00"));
    }

    void recordCheckWalksTheStoredTimes_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<double>("finish");
        QTest::addColumn<bool>("record");
        QTest::newRow("no record yet") << "" << 500 << 500.0 << true;
        QTest::newRow("between two") << "60 120" << 100 << 100.0 << true;
        QTest::newRow("equal to slot 3") << "10 20 30 40 50" << 40 << 40.0 << true;
        QTest::newRow("equal to the ninth") << "10 20 30 40 50 60 70 80 100" << 100 << 100.0 << true;
        QTest::newRow("nine better, slot 9 free") << "10 20 30 40 50 60 70 80 90" << 100 << 100.0 << false;
        QTest::newRow("full, a faster time") << "10 20 30 40 50 60 70 80 500 600" << 100 << 100.0 << true;
        QTest::newRow("full, a slower time") << "10 20 30 40 50 60 70 80 90 95" << 100 << 100.0 << false;
        QTest::newRow("hundred minutes read by fixed places") << "" << 6005 << 600.0 << true;
    }

    void recordCheckWalksTheStoredTimes()
    {
        QFETCH(QString, stored);
        QFETCH(int, ticks);
        QFETCH(double, finish);
        QFETCH(bool, record);
        BoardControls& window = game->Board();
        const QStringList times = stored.split(' ', Qt::SkipEmptyParts);
        for (int i = 0; i < times.size(); ++i)
            Module1::RecordSeconds[i] = times[i].toDouble();
        Tick(ticks);
        const QString clock = window.Label1->text();
        ShowLayout(OneMoveFromSolved);
        QTest::mouseClick(window.Picture1[15], Qt::LeftButton);
        QCOMPARE(Forms::high.Load().Text2->text(), clock);
        QCOMPARE(Module1::FinishSeconds, finish);
        QCOMPARE(Forms::high.Load().Form->isVisible(), record);
    }

    // Ten widest rows whole, no scroll bars; rows selected together; Törlés keeps loaded times; close only hides.
    void listWindow()
    {
        WriteFile(scores(), QByteArray("\xd6\x64\xf6n\r\n999 : 59\r\n").repeated(10));
        game->Board();
        HightabControls& list = Forms::hightab.Load();
        list.Form->show();
        for (QListWidget* box : {list.List1, list.List2}) {
            QVERIFY(!box->horizontalScrollBar()->isVisible() && !box->verticalScrollBar()->isVisible());
            const QRect last = box->visualItemRect(box->item(9));
            QVERIFY(box->viewport()->rect().contains(last));
            QVERIFY(box->fontMetrics().horizontalAdvance(box->item(9)->text()) < last.width());
        }
        list.List1->addItem("Bea\r\nCili");
        list.List2->addItem("00 : 07");
        QVERIFY(Module1::SaveRecords() && FileBytes(scores()).endsWith("n\r\n999 : 59\r\nBea\r\n00 : 07\r\n"));
        list.List1->setCurrentRow(2);
        list.List2->setCurrentRow(1);
        QCOMPARE(list.List1->currentRow(), 1);
        QTest::mouseClick(list.Command2, Qt::LeftButton);
        QCOMPARE(list.List1->count() + list.List2->count(), 0);
        QCOMPARE(FileBytes(scores()), QByteArray(""));
        QCOMPARE(Module1::RecordSeconds[0], 5945.0);
        list.Form->close();
        QVERIFY(Forms::hightab.IsLoaded() && list.Form->isHidden());
    }
};

QTEST_MAIN(TestRecords)
#include "tst_records.moc"
