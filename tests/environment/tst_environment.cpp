// The game in hostile surroundings and where an installed game keeps its files, each case in a child process.
#include "childgame.h"
#include "qtcatalogue.h"
#include "testgame.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace childgame;

namespace {

// The player's pictures and this program, in a folder any user may change.
void install(const QString& folder)
{
    CopyPictures(folder);
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), QDir(folder).filePath("game")));
    QVERIFY(QFile::setPermissions(folder, QFile::Permissions(0x7777)));
}

} // namespace

class TestEnvironment : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QVERIFY2(LeakedWindows().isEmpty(), qPrintable(LeakedWindows().join(','))); }

    // Killed while saving records or copying a picture set: one whole list, or one whole set at the next start.
    void killedAtAnyMoment_data()
    {
        QTest::addColumn<QString>("role");
        QTest::newRow("saving records") << "save";
        QTest::newRow("copying pictures") << "choose";
    }

    void killedAtAnyMoment()
    {
        QFETCH(QString, role);
        QTemporaryDir folder;
        install(folder.path());
        const QString game = folder.filePath("game");
        QRandomGenerator moments(2024);
        for (int kill = 0; kill < (role == "save" ? 40 : 20); ++kill) {
            QProcess child;
            Start(child, game, {role, folder.path()});
            QVERIFY(!WaitForLine(child, "busy").isEmpty());
            QThread::usleep(moments.bounded(20000)); // the moment of the kill, not a wait
            child.kill();
            QVERIFY(child.waitForFinished());
            const QByteArray content = FileBytes(folder.filePath("scores.txt"));
            if (role == "save") {
                QVERIFY(content == SavedList(0) || content == SavedList(1));
                continue;
            }
            QCOMPARE(RunToEnd(game, {"look", folder.path()}).value(0), "0");
            const QList<QByteArray> now = PieceBytes(folder.path());
            QVERIFY(now == PieceBytes(folder.path(), "s") || now == PieceBytes(folder.path(), "v"));
            QCOMPARE(QDir(folder.path()).entryList({"*.new", "*.old", ".dezudor-copy*"}, QDir::Files | QDir::Hidden),
                QStringList());
        }
    }

    // Played to its end, or ended by SIGTERM (a message box or the record-entry window open, or not) with status 0:
    // each message names its file, a hostile file stays as it was, the records survive and no temporary file is left.
    void hostileFolder_data()
    {
        QTest::addColumn<QString>("attack");
        QTest::addColumn<QString>("waitFor"); // empty: plays to its end
        QTest::addColumn<QString>("named");
        QTest::addColumn<QByteArray>("scoresAfter");
        const QByteArray list = SavedList(0);
        QByteArray bestOfBoth;
        for (qsizetype k = 0; k < 5; ++k)
            bestOfBoth += list.mid(16 * k, 16) + SavedList(1).mid(17 * k, 17);
        const QString plays, message = "message: ", started = "started";
        QTest::newRow("read-only folder") << "read-only" << plays << "1.jpg scores.txt" << list;
        QTest::newRow("damaged pictures") << "damaged" << plays << "5.jpg 7.jpg"
                                          << "\xd5rs\r\n00 : 00\r\n" + list.chopped(16);
        QTest::newRow("full disk, message open") << "full disk" << message << "scores.txt" << list;
        QTest::newRow("FIFO as scores.txt") << "fifo" << message << "scores.txt" << QByteArray();
        QTest::newRow("unreadable scores.txt") << "unreadable" << plays << "scores.txt" << list;
        QTest::newRow("scores.txt links outside") << "link" << started << plays << bestOfBoth;
        QTest::newRow("dangling link") << "dangling" << started << plays << QByteArray();
        QTest::newRow("decompression bomb, message open") << "bomb" << message << "5.jpg" << list;
        QTest::newRow("second start without a bus, after a killed one") << "second" << started << plays << list;
        QTest::newRow("second start on a session bus, also beside a stopped game")
            << "second on a bus" << started << plays << list;
        QTest::newRow("record window open") << "finish" << started << plays << list + "N\xe9vtelen\r\n00 : 00\r\n";
    }

    void hostileFolder()
    {
        QFETCH(QString, attack);
        QFETCH(QString, waitFor);
        QFETCH(QString, named);
        QFETCH(QByteArray, scoresAfter);
        QTemporaryDir folder, outside;
        install(folder.path());
        QVERIFY(QFile::setPermissions(outside.path(), QFile::Permissions(0x7777)));
        const QString game = folder.filePath("game"), scores = folder.filePath("scores.txt");
        const QString away = outside.filePath("records"), five = folder.filePath("5.jpg");
        WriteFile(scores, SavedList(0));
        QStringList arguments{waitFor.isEmpty() ? "play" : attack == "finish" ? attack : "start", folder.path()};
        QProcess child, bus;
        const bool onBus = attack.endsWith("bus");
        const auto noBus = qScopeGuard([&bus] { UseSessionBus({}), bus.kill(), bus.waitForFinished(); });
        if (onBus) {
            Start(bus, "dbus-daemon", {"--session", "--nofork", "--print-address=1"});
            UseSessionBus(WaitForLine(bus, "unix:"));
        }
        if (attack == "damaged") {
            QByteArray noise(900, '\0');
            QRandomGenerator(77).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
            QVERIFY(QFile::remove(five));
            WriteFile(folder.filePath("7.jpg"), noise);
        } else if (attack == "bomb") {
            QByteArray bomb = FileBytes(five);
            const qsizetype frame = bomb.indexOf(QByteArray("\xff\xc0", 2));
            QVERIFY(frame > 0);
            bomb[frame + 5] = bomb[frame + 7] = char(0x15); // 0x15e0 = 5600 pixels a side
            bomb[frame + 6] = bomb[frame + 8] = char(0xe0);
            WriteFile(five, bomb);
        } else if (attack == "full disk") {
            arguments << "leave";
            child.setChildProcessModifier([] {
                const rlimit limit{64, 64};
                ::setrlimit(RLIMIT_FSIZE, &limit);
                ::signal(SIGXFSZ, SIG_IGN);
            });
        } else if (attack == "unreadable") {
            QVERIFY(QFile::setPermissions(scores, QFile::WriteOwner | QFile::WriteOther));
        } else if (QStringList{"fifo", "link", "dangling"}.contains(attack)) {
            QVERIFY(QFile::remove(scores));
            if (attack == "link")
                WriteFile(away, SavedList(1) + SavedList(0)); // a save through it keeps ten
            QVERIFY(attack == "fifo" ? ::mkfifo(QFile::encodeName(scores).constData(), 0666) == 0
                                     : QFile::link(away, scores));
        }
        const QList<QByteArray> before = PieceBytes(folder.path());
        QStringList files = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
        if (attack == "damaged") // a new set fills the gap
            (files << "5.jpg").sort();
        if (attack == "read-only")
            QVERIFY(QFile::setPermissions(folder.path(), QFile::Permissions(0x5555)));

        QStringList lines;
        if (waitFor.isEmpty()) {
            lines = RunToEnd(game, arguments);
            QVERIFY2(lines.value(0) == "0" && lines.contains("found: Őrs 00 : 00"), qPrintable(lines.join('\n')));
        } else {
            Start(child, game, arguments);
            if (attack.startsWith("second")) { // a killed game's claim does not count
                QVERIFY(!WaitForLine(child, "started").isEmpty());
                child.kill();
                child.waitForFinished();
                Start(child, game, arguments);
            }
            lines << WaitForLine(child, waitFor);
            QVERIFY2(!lines[0].isEmpty(), qPrintable(attack));
            if (attack.startsWith("second")) { // another folder runs; this one is held
                QVERIFY(RunToEnd(game, {"look", outside.path()}).contains("started"));
                // Where the game cannot come forward, one message names its folder; the start ends after it.
                const auto told = [&folder](const QStringList& second) {
                    const QStringList messages = second.filter(QRegularExpression("^message: "));
                    return second.value(0) == "1" && messages.size() == 1
                        && messages[0].contains(QDir::toNativeSeparators(folder.path()));
                };
                if (onBus) { // woken over the bus, the game comes forward and the start ends without a word
                    QCOMPARE(RunToEnd(game, {"look", folder.path()}).mid(0, 2), QStringList({"0", "gave way"}));
                    QVERIFY(!WaitForLine(child, "woken").isEmpty());
                    ::kill(child.processId(), SIGSTOP); // hung: it cannot answer
                    const QStringList hung = RunToEnd(game, {"second", folder.path()});
                    ::kill(child.processId(), SIGCONT);
                    QVERIFY2(told(hung), qPrintable(hung.join('\n')));
                    UseSessionBus({}); // off the bus, the lock alone still holds the folder
                }
                const QStringList beside = RunToEnd(game, {"look", folder.path()});
                QVERIFY2(told(beside), qPrintable(beside.join('\n')));
            }
            child.terminate();
            QCOMPARE(Ended(child), 0);
        }
        QFile::setPermissions(folder.path(), QFile::Permissions(0x7777));
        QFile::setPermissions(scores, QFile::ReadOwner | QFile::WriteOwner);

        // Each message names one of the files, each file once (a damaged piece in every move that carries it).
        const QStringList messages = lines.filter(QRegularExpression("^message: "));
        const QStringList names = named.split(' ', Qt::SkipEmptyParts);
        for (const QString& name : names)
            QVERIFY2(messages.filter(QDir::toNativeSeparators(folder.filePath(name))).size()
                    == (attack == "damaged" ? messages.size() : 1),
                qPrintable(lines.join('\n')));
        for (const QString& message : messages)
            QVERIFY2(
                std::any_of(names.begin(), names.end(), [&](const QString& name) { return message.contains(name); }),
                qPrintable(message));
        const QFileInfo info(scores);
        QVERIFY(info.exists() && !info.isSymLink() && info.isFile() == (attack != "fifo"));
        if (info.isFile())
            QCOMPARE(FileBytes(scores), scoresAfter);
        QCOMPARE(FileBytes(away), attack == "link" ? SavedList(1) + SavedList(0) : QByteArray());
        QCOMPARE(PieceBytes(folder.path()),
            waitFor.isEmpty() && attack != "read-only" ? PieceBytes(folder.path(), "v") : before); // play chooses a set
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), files);
    }

    // Beside a writable executable, else in the player's data folder, which takes the records beside the program
    // once: the choice and the records survive a restart.
    void choiceAndRecordSurviveARestart_data()
    {
        QTest::addColumn<QByteArray>("folderName");
        QTest::addColumn<bool>("installedWritable");
        QTest::addColumn<bool>("dataWritable");
        QTest::addColumn<bool>("beside");
        QTest::addColumn<QString>("lost"); // a picture the copy lacks
        QTest::newRow("writable folder") << QByteArray("game") << true << true << true << "";
        QTest::newRow("writable folder without 16.jpg") << QByteArray("game") << true << true << true << "16.jpg";
        QTest::newRow("read-only folder") << QByteArray("game") << false << true << false << "";
        // "Játék" in Latin-2: bytes that are not UTF-8, which the game cannot spell.
        QTest::newRow("folder name not UTF-8") << QByteArray("J\xe1t\xe9k") << true << true << false << "";
        QTest::newRow("nothing writable") << QByteArray("game") << false << false << true << "";
    }

    void choiceAndRecordSurviveARestart()
    {
        QFETCH(QByteArray, folderName);
        QFETCH(bool, installedWritable);
        QFETCH(bool, dataWritable);
        QFETCH(bool, beside);
        QFETCH(QString, lost);
        QTemporaryDir tree;
        const QDir base(tree.path());
        const QString real = base.filePath(QString::fromLatin1(folderName)), data = base.filePath("data");
        const QString installed = base.filePath("installed"), program = base.filePath("start"); // the test's ways in
        const QByteArray raw = QFile::encodeName(base.path()) + '/';
        QVERIFY(::mkdir(raw + folderName, 0777) == 0 && ::symlink(folderName, raw + "installed") == 0);
        QVERIFY(::symlink(folderName + "/game", raw + "start") == 0 && base.mkdir("data"));
        install(installed);
        const QByteArray anna = "Anna\r\n01 : 05\r\n", both = "\xd5rs\r\n00 : 00\r\n" + anna;
        const QString records = QDir(installed).filePath("scores.txt");
        WriteFile(records, anna); // read-only with its folder: the player's copy must be writable all the same
        QVERIFY(QFile::setPermissions(records, QFile::Permissions(installedWritable ? 0x6666 : 0x4444)));
        QVERIFY(lost.isEmpty() || QFile::remove(QDir(installed).filePath(lost)));
        const auto open = [](const QString& folder, bool writable) {
            return QFile::setPermissions(folder, QFile::Permissions(writable ? 0x7777 : 0x5555));
        };
        QVERIFY(open(tree.path(), true) && open(installed, installedWritable) && open(data, dataWritable));
        const auto reopen = qScopeGuard(
            [&] { open(installed, true) && open(data, true) && ::rename(raw + folderName, raw + "gone") == 0; });
        const QString folder = beside ? real : QDir(data).filePath("dezudor");
        const auto file = [&](const QString& name) { return QDir(folder).filePath(name); };

        const QStringList first = RunToEnd(program, {"play", "-"}, data);
        const QStringList messages = first.filter(QRegularExpression("^message: "));
        QVERIFY2(first.value(0) == "0" && first.contains("folder: " + folder), qPrintable(first.join('\n')));
        QCOMPARE(QDir(data).exists("dezudor"), !beside);
        if (!dataWritable) {
            const QStringList unsaved = messages.filter("nem menthető");
            QVERIFY(unsaved.size() == 1 && unsaved[0].contains(file("scores.txt")));
            for (const QString& message : messages)
                QVERIFY2(message.contains(real), qPrintable(message));
            QCOMPARE(FileBytes(file("1.jpg")), FileBytes(RunnableFile("s1.jpg")));
            QVERIFY(QDir(data).isEmpty() && FileBytes(file("scores.txt")) == anna);
            return;
        }
        QVERIFY2(messages.size() == !lost.isEmpty() && messages.filter(file(lost)).size() == messages.size(),
            qPrintable(messages.join('\n')));
        QCOMPARE(QDir(folder).entryList({"*.jpg"}), QDir(installed).entryList({"*.jpg"}));
        QCOMPARE(FileBytes(file("1.jpg")), FileBytes(RunnableFile("v1.jpg")));
        QCOMPARE(FileBytes(file("scores.txt")), both);
        if (!beside) {
            QCOMPARE(FileBytes(QDir(installed).filePath("1.jpg")), FileBytes(RunnableFile("s1.jpg")));
            QVERIFY(QFile::remove(file("t3.jpg")));
        }

        const QStringList second = RunToEnd(program, {"look", "-"}, data);
        QCOMPARE(second.filter(QRegularExpression("^(message|found): ")),
            messages + QStringList({"found: Őrs 00 : 00", "found: Anna 01 : 05"}));
        QCOMPARE(FileBytes(file("1.jpg")), FileBytes(RunnableFile("v1.jpg")));
        QCOMPARE(FileBytes(file("t3.jpg")), FileBytes(RunnableFile("t3.jpg")));
    }

    void qtTextsAreHungarian()
    {
        QVERIFY(platform::LoadQtCatalogue());
        QLineEdit box;
        const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
        QCOMPARE(menu->actions().value(0)->text().section('\t', 0, 0), "&Visszavonás");
        QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), "Mégse");
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (const int status = childgame::Main(argc, argv); status >= 0)
        return status;
    TestEnvironment test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_environment.moc"
