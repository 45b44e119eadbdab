#include "boardcontrols.h"
#include "boardevents.h"
#include "module1.h"
#include "options.h"
#include "optionscontrols.h"
#include "picturesets.h"
#include "testgame.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>

#include <memory>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether a probe file can be made in the folder; root ignores permissions.
bool canWriteInto(const QString& folder)
{
    QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
    const bool writable = probe.open(QIODevice::WriteOnly);
    probe.remove();
    return writable;
}

} // namespace

class TestPictureSets : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestGame> game;

    QByteArray piece(const QString& name) const { return bytesOf(game->FilePath(name)); }

    // The bytes of 1.jpg ... 16.jpg, in order.
    QList<QByteArray> currentPieces() const
    {
        QList<QByteArray> pieces;
        for (int n = 1; n <= 16; ++n)
            pieces.append(piece(QStringLiteral("%1.jpg").arg(n)));
        return pieces;
    }

    // What the current pieces would be after set `letter` replaced them.
    QList<QByteArray> setPieces(const QString& letter) const
    {
        QList<QByteArray> pieces;
        for (int n = 1; n <= 15; ++n)
            pieces.append(piece(QStringLiteral("%1%2.jpg").arg(letter).arg(n)));
        pieces.append(piece(QStringLiteral("16.jpg")));
        return pieces;
    }

    options& open()
    {
        QTest::mouseClick(game->Board().Command3, Qt::LeftButton);
        return *static_cast<options*>(Forms::options.Window());
    }

    // Moves the clock on, so that a new deal shows as "00 : 00" again.
    static void letClockRun()
    {
        for (int i = 0; i < 5; ++i)
            BoardEvents::Timer1_Timer();
        QCOMPARE(Forms::board.Load().Label1->text(), QStringLiteral("00 : 05"));
    }

private slots:
    void init()
    {
        game = std::make_unique<TestGame>(5);
        game->Board().Form->show();
    }

    void cleanup()
    {
        QFile::setPermissions(game->Folder(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        game.reset();
        QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(", ")));
    }

    // Steps: "p<k>" clicks thumbnail k, "ok", "cancel" and "reopen" as named.
    void okCopiesThePendingSet_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("letter"); // empty: the pieces stay as they were
        QTest::newRow("no choice") << QStringList{"ok"} << QString();
        QTest::newRow("standard") << QStringList{"p0", "ok"} << "s";
        QTest::newRow("2 then 3") << QStringList{"p2", "p3", "ok"} << "m";
        QTest::newRow("4, Mégsem, reopen") << QStringList{"p4", "cancel", "reopen", "ok"} << "z";
        QTest::newRow("one click, OK twice") << QStringList{"p5", "ok", "reopen", "ok"} << "t";
        QTest::newRow("choice after OK") << QStringList{"p1", "ok", "reopen", "p2", "ok"} << "l";
    }

    void okCopiesThePendingSet()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, letter);
        const QList<QByteArray> expected = letter.isEmpty() ? currentPieces() : setPieces(letter);
        const QByteArray blank = piece(QStringLiteral("16.jpg"));
        options* window = &open();
        for (const QString& step : steps) {
            if (step == QLatin1String("ok")) {
                letClockRun();
                QTest::mouseClick(window->Command1, Qt::LeftButton);
                QCOMPARE(Forms::board.Load().Label1->text(), QStringLiteral("00 : 00"));
                QVERIFY(window->isHidden());
            } else if (step == QLatin1String("cancel")) {
                QTest::mouseClick(window->Command2, Qt::LeftButton);
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else if (step == QLatin1String("reopen")) {
                window = &open();
            } else {
                QTest::mouseClick(window->Picture3[step.mid(1).toInt()], Qt::LeftButton);
            }
        }
        QCOMPARE(currentPieces(), expected);
        QCOMPARE(piece(QStringLiteral("16.jpg")), blank);
        QVERIFY(game->Messages.isEmpty());
    }

    void thumbnailNotesTheChoiceOnly()
    {
        const QList<QByteArray> before = currentPieces();
        options& window = open();
        letClockRun();
        QTest::mouseClick(window.Picture3[3], Qt::LeftButton);
        QCOMPARE(Module1::PictureSetPrefix, game->FilePath(QStringLiteral("m")));
        QCOMPARE(currentPieces(), before);
        QCOMPARE(Forms::board.Load().Label1->text(), QStringLiteral("00 : 05"));
        QVERIFY(window.Form->isVisible());
    }

    // The boxes show what the chosen set's files hold, also after a restart.
    void boardShowsTheChosenPicture()
    {
        options& window = open();
        QTest::mouseClick(window.Picture3[2], Qt::LeftButton);
        QTest::mouseClick(window.Command1, Qt::LeftButton);
        for (int restart = 0; restart < 2; ++restart) {
            game->Board(); // loads and deals after a restart
            for (int box = 0; box < 16; ++box) {
                const int k = game->PictureAt(box);
                const QString file = k == 16 ? QStringLiteral("16.jpg") : QStringLiteral("l%1.jpg").arg(k);
                QCOMPARE(game->Board().Picture1[box]->Picture().toImage().convertToFormat(QImage::Format_RGB32),
                    QImage(game->FilePath(file)).convertToFormat(QImage::Format_RGB32));
            }
            Forms::options.Unload();
            Forms::board.Unload();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            Module1::PictureSetPrefix.clear();
        }
    }

    // A set that cannot be copied leaves pieces, game and window as they were.
    void failedCopyChangesNothing_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("named"); // the file the message names
        QTest::addColumn<QString>("says");
        QTest::newRow("missing set file") << "missing"
                                          << "m9.jpg"
                                          << "Hiányzik";
        QTest::newRow("corrupt set file") << "corrupt"
                                          << "m9.jpg"
                                          << "sérült";
        QTest::newRow("empty set file") << "empty"
                                        << "m15.jpg"
                                        << "sérült";
        QTest::newRow("piece cannot be replaced") << "folder"
                                                  << "12.jpg"
                                                  << "nem írható";
        QTest::newRow("read-only folder") << "read-only"
                                          << "1.jpg"
                                          << "írásvédett";
    }

    void failedCopyChangesNothing()
    {
        QFETCH(QString, damage);
        QFETCH(QString, named);
        QFETCH(QString, says);
        options& window = open();
        QTest::mouseClick(window.Picture3[3], Qt::LeftButton);
        const QString target = game->FilePath(named);
        if (damage == QLatin1String("missing")) {
            QVERIFY(QFile::remove(target));
        } else if (damage == QLatin1String("corrupt")) {
            QByteArray bytes = piece(named);
            bytes.truncate(bytes.size() / 3);
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write("not a picture" + bytes.mid(13));
        } else if (damage == QLatin1String("empty")) {
            QFile file(target);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        } else if (damage == QLatin1String("folder")) {
            QVERIFY(QFile::remove(target));
            QVERIFY(QDir(game->Folder()).mkdir(named));
        } else {
            QVERIFY(QFile::setPermissions(game->Folder(), QFile::ReadOwner | QFile::ExeOwner));
            if (canWriteInto(game->Folder()))
                QSKIP("this user may write into a read-only folder");
        }
        const QList<QByteArray> before = currentPieces();
        const QStringList filesBefore = QDir(game->Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        letClockRun();

        QTest::mouseClick(window.Command1, Qt::LeftButton);

        QCOMPARE(game->Messages.size(), 1);
        QVERIFY2(game->Messages[0].contains(target), qPrintable(game->Messages[0]));
        QVERIFY2(game->Messages[0].contains(says), qPrintable(game->Messages[0]));
        QCOMPARE(currentPieces(), before);
        QCOMPARE(QDir(game->Folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
        QCOMPARE(Forms::board.Load().Label1->text(), QStringLiteral("00 : 05"));
        QVERIFY(window.Form->isVisible());
    }
};

QTEST_MAIN(TestPictureSets)
#include "tst_options_picturesets.moc"
