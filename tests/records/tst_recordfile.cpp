#include "highcontrols.h"
#include "hightabcontrols.h"
#include "recordfile.h"
#include "testgame.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

class TestRecordFile : public QObject {
    Q_OBJECT

private slots:
    void init() { game = std::make_unique<TestGame>(21); }
    void cleanup()
    {
        game.reset();
        QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(", ")));
    }

    void saveWritesWindows1250WithCrLf_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("readBack");
        QTest::newRow("example") << QStringList{"Névtelen", "Anna"}
                                 << QByteArray("N\xe9vtelen\r\n01 : 05\r\nAnna\r\n01 : 06\r\n")
                                 << QStringList{"Névtelen", "Anna"};
        QTest::newRow("every Hungarian letter")
            << QStringList{"áéíóöőúüű", "ÁÉÍÓÖŐÚÜŰ"}
            << QByteArray("\xe1\xe9\xed\xf3\xf6\xf5\xfa\xfc\xfb\r\n01 : "
                          "05\r\n\xc1\xc9\xcd\xd3\xd6\xd5\xda\xdc\xdb\r\n01 : 06\r\n")
            << QStringList{"áéíóöőúüű", "ÁÉÍÓÖŐÚÜŰ"};
        QTest::newRow("outside the code page")
            << QStringList{"日本", "Zoë €"} << QByteArray("??\r\n01 : 05\r\nZo\xeb \x80\r\n01 : 06\r\n")
            << QStringList{"??", "Zoë €"};
        QTest::newRow("nothing") << QStringList{} << QByteArray() << QStringList{};
    }

    void saveWritesWindows1250WithCrLf()
    {
        QFETCH(QStringList, names);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, readBack);
        game->Board();
        HightabControls& hightab = Forms::hightab.Load();
        for (int i = 0; i < names.size(); ++i) {
            hightab.List1->addItem(names[i]);
            hightab.List2->addItem(QStringLiteral("01 : 0%1").arg(5 + i));
        }
        Module1::SaveRecords();
        QFile file(game->FilePath("scores.txt"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);

        hightab.List1->clear();
        hightab.List2->clear();
        Module1::LoadRecords();
        QCOMPARE(ListRows(hightab.List1), readBack);
    }

    void loadReadsSortsAndShowsTheBestTen_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("times");
        QTest::addColumn<int>("lastRecord");
        QTest::newRow("empty file") << QByteArray() << QStringList{} << QStringList{} << -1;
        QTest::newRow("sort of equal times")
            << QByteArray("a\r\n00 : 05\r\nb\r\n00 : 05\r\nc\r\n00 : 03\r\n") << QStringList{"c", "b", "a"}
            << QStringList{"00 : 03", "00 : 05", "00 : 05"} << 2;
        QTest::newRow("empty name is skipped")
            << QByteArray("\r\n00 : 01\r\nx\r\n00 : 02\r\n") << QStringList{"x"} << QStringList{"00 : 02"} << 1;
        QTest::newRow("blank name is shown")
            << QByteArray("  \r\n00 : 01\r\n") << QStringList{"  "} << QStringList{"00 : 01"} << 0;
        QTest::newRow("LF only, no last end")
            << QByteArray("x\n01 : 00\ny\n00 : 30") << QStringList{"y", "x"} << QStringList{"00 : 30", "01 : 00"} << 1;
        QTest::newRow("odd line count") << QByteArray("x\r\n01 : 00\r\nlonely\r\n") << QStringList{"lonely", "x"}
                                        << QStringList{"", "01 : 00"} << 1;
        QTest::newRow("time not a number") << QByteArray("x\r\n00 : 09\r\ny\r\nab : cd\r\n") << QStringList{"y", "x"}
                                           << QStringList{"ab : cd", "00 : 09"} << 1;
        QTest::newRow("hundred minutes read by fixed places")
            << QByteArray("x\r\n100 : 05\r\ny\r\n09 : 59\r\n") << QStringList{"y", "x"}
            << QStringList{"09 : 59", "100 : 05"} << 1;
        QTest::newRow("short lines") << QByteArray("x\r\n1\r\ny\r\n00 : 00\r\n") << QStringList{"y", "x"}
                                     << QStringList{"00 : 00", "1"} << 1;
        QByteArray eleven;
        for (int i = 0; i < 11; ++i)
            eleven += "p" + QByteArray::number(i) + "\r\n0" + QByteArray::number(9 - i / 2) + " : 0"
                + QByteArray::number(i % 2) + "\r\n";
        QTest::newRow("eleven, the fastest last")
            << eleven << QStringList{"p10", "p8", "p9", "p6", "p7", "p4", "p5", "p2", "p3", "p0"}
            << QStringList{"04 : 00", "05 : 00", "05 : 01", "06 : 00", "06 : 01", "07 : 00", "07 : 01", "08 : 00",
                   "08 : 01", "09 : 00"}
            << 10;
        QByteArray twenty;
        for (int i = 0; i < 20; ++i)
            twenty += "q" + QByteArray::number(i) + "\r\n00 : " + QByteArray::number(10 + i) + "\r\n";
        QTest::newRow("more than the table holds")
            << twenty << QStringList{"q0", "q1", "q2", "q3", "q4", "q5", "q6", "q7", "q8", "q9"}
            << QStringList{"00 : 10", "00 : 11", "00 : 12", "00 : 13", "00 : 14", "00 : 15", "00 : 16", "00 : 17",
                   "00 : 18", "00 : 19"}
            << 14;
    }

    void loadReadsSortsAndShowsTheBestTen()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, names);
        QFETCH(QStringList, times);
        QFETCH(int, lastRecord);
        QFile file(game->FilePath("scores.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        game->Board();

        QCOMPARE(ListRows(Forms::hightab.Load().List1), names);
        QCOMPARE(ListRows(Forms::hightab.Load().List2), times);
        QCOMPARE(int(Module1::LastRecord), lastRecord);
        for (int i = 0; i < lastRecord; ++i)
            QVERIFY(Module1::RecordSeconds[i] <= Module1::RecordSeconds[i + 1]);
    }

    void missingFileIsAnEmptyList()
    {
        game->Board();
        QCOMPARE(Forms::hightab.Load().List1->count(), 0);
        QVERIFY(game->Messages.isEmpty());
        QVERIFY(!QFile::exists(game->FilePath("scores.txt")));
    }

    void secondsPastTheLastRecordStay()
    {
        QFile file(game->FilePath("scores.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("a\r\n00 : 10\r\nb\r\n00 : 20\r\nc\r\n00 : 30\r\n");
        file.close();
        game->Board();
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("d\r\n00 : 40\r\n");
        file.close();
        Forms::hightab.Load().List1->clear();
        Forms::hightab.Load().List2->clear();
        Module1::LoadRecords();
        QCOMPARE(Module1::RecordSeconds[0], 40.0);
        QCOMPARE(Module1::RecordSeconds[1], 20.0);
        QCOMPARE(Module1::RecordSeconds[2], 30.0);
        QVERIFY(Module1::RecordTexts[1].Name.isEmpty());
    }

    // Whatever the bytes, reading ends with lists of equal length and at most ten rows.
    void randomBytesNeverBreakTheReading()
    {
        QRandomGenerator random(4242);
        const char alphabet[] = "\r\n :0123456789abc\xe9\xf5\x00\xff";
        game->Board();
        for (int round = 0; round < 400; ++round) {
            QByteArray bytes(random.bounded(1, 600), '\0');
            for (char& b : bytes)
                b = random.bounded(3) == 0 ? char(random.bounded(256))
                                           : alphabet[random.bounded(int(sizeof alphabet) - 1)];
            QFile file(game->FilePath("scores.txt"));
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
            file.close();
            Forms::hightab.Load().List1->clear();
            Forms::hightab.Load().List2->clear();
            Module1::LoadRecords();
            QVERIFY(Forms::hightab.Load().List1->count() <= 10);
            QCOMPARE(Forms::hightab.Load().List1->count(), Forms::hightab.Load().List2->count());
            QVERIFY(Module1::LastRecord >= -1 && Module1::LastRecord <= 14);
        }
    }

    void failedSaveSaysWhereAndKeepsTheLists()
    {
        game->Board();
        QVERIFY(QDir(game->Folder()).mkdir("scores.txt"));
        Forms::hightab.Load().List1->addItem("Anna");
        Forms::hightab.Load().List2->addItem("01 : 05");
        QVERIFY(!Module1::SaveRecords());
        QCOMPARE(game->Messages.size(), 1);
        QVERIFY2(game->Messages.first().contains(game->FilePath("scores.txt")), qPrintable(game->Messages.first()));
        QCOMPARE(ListRows(Forms::hightab.Load().List1), QStringList{"Anna"});

        // Said once; after a good save a new failure is news again.
        QVERIFY(!Module1::SaveRecords());
        QCOMPARE(game->Messages.size(), 1);
        QVERIFY(QDir(game->Folder()).rmdir("scores.txt"));
        QVERIFY(Module1::SaveRecords());
        QVERIFY(QFile::remove(game->FilePath("scores.txt")));
        QVERIFY(QDir(game->Folder()).mkdir("scores.txt"));
        QVERIFY(!Module1::SaveRecords());
        QCOMPARE(game->Messages.size(), 2);
    }

private:
    std::unique_ptr<TestGame> game;
};

QTEST_MAIN(TestRecordFile)
#include "tst_recordfile.moc"
