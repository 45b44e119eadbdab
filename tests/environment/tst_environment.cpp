// The game in hostile surroundings, each case in a child process.
#include "childgame.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace childgame;

namespace {

// The runnable folder's pictures (the player's own) and this program, in a folder any user may change.
void installInto(const QTemporaryDir& folder)
{
    const QDir source(QStringLiteral(DEZUDOR_RUN_DIR));
    for (const QString& name : source.entryList({"*.jpg"}, QDir::Files))
        QVERIFY(QFile::copy(source.filePath(name), folder.filePath(name))
            && QFile::setPermissions(folder.filePath(name), QFile::Permissions(0x6666)));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), folder.filePath("game")));
    QVERIFY(QFile::setPermissions(folder.path(), QFile::Permissions(0x7777)));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    QVERIFY(file.setPermissions(QFile::Permissions(0x6666)));
}

QList<QByteArray> pieces(const QTemporaryDir& folder, const QString& set = {})
{
    QList<QByteArray> all;
    for (int n = 1; n <= 15; ++n)
        all.append(BytesOf(folder.filePath(set + QStringLiteral("%1.jpg").arg(n))));
    return all;
}

} // namespace

class TestEnvironment : public QObject {
    Q_OBJECT

private slots:
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
        installInto(folder);
        const QString game = folder.filePath("game");
        QRandomGenerator moments(2024);
        for (int kill = 0; kill < (role == "save" ? 40 : 20); ++kill) {
            QProcess child;
            Start(child, game, {role, folder.path()});
            QVERIFY(!WaitForLine(child, "busy").isEmpty());
            QThread::usleep(moments.bounded(20000)); // the moment of the kill, not a wait
            child.kill();
            QVERIFY(child.waitForFinished());
            const QByteArray content = BytesOf(folder.filePath("scores.txt"));
            if (role == "save") {
                QVERIFY(content == SavedList(0) || content == SavedList(1));
                continue;
            }
            QCOMPARE(RunToEnd(game, {"look", folder.path()}).value(0), "0");
            QVERIFY(pieces(folder) == pieces(folder, "s") || pieces(folder) == pieces(folder, "v"));
            QCOMPARE(QDir(folder.path()).entryList({"*.new", "*.old", ".dezudor-copy*"}, QDir::Files | QDir::Hidden),
                QStringList());
        }
    }

    // Played to its end, or ended by SIGTERM (a message box open or not) with status 0: each message names
    // its file, a hostile file stays as it was, the records survive and no temporary file is left.
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
        QTest::newRow("second start, after a killed one") << "second" << started << plays << list;
    }

    void hostileFolder()
    {
        QFETCH(QString, attack);
        QFETCH(QString, waitFor);
        QFETCH(QString, named);
        QFETCH(QByteArray, scoresAfter);
        QTemporaryDir folder, outside;
        installInto(folder);
        QVERIFY(QFile::setPermissions(outside.path(), QFile::Permissions(0x7777)));
        const QString game = folder.filePath("game"), scores = folder.filePath("scores.txt");
        const QString away = outside.filePath("records"), five = folder.filePath("5.jpg");
        writeFile(scores, SavedList(0));
        QStringList arguments{waitFor.isEmpty() ? "play" : "start", folder.path()};
        QProcess child;
        if (attack == "damaged") {
            QByteArray noise(900, '\0');
            QRandomGenerator(77).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
            QVERIFY(QFile::remove(five));
            writeFile(folder.filePath("7.jpg"), noise);
        } else if (attack == "bomb") {
            QByteArray bomb = BytesOf(five);
            const qsizetype frame = bomb.indexOf(QByteArray("\xff\xc0", 2));
            QVERIFY(frame > 0);
            bomb[frame + 5] = bomb[frame + 7] = char(0x15); // 0x15e0 = 5600 pixels a side
            bomb[frame + 6] = bomb[frame + 8] = char(0xe0);
            writeFile(five, bomb);
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
                writeFile(away, SavedList(1) + SavedList(0)); // a save through it keeps ten
            QVERIFY(attack == "fifo" ? ::mkfifo(QFile::encodeName(scores).constData(), 0666) == 0
                                     : QFile::link(away, scores));
        }
        const QList<QByteArray> before = pieces(folder);
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
            if (attack == "second") { // a killed game's claim does not count
                QVERIFY(!WaitForLine(child, "started").isEmpty());
                child.kill();
                child.waitForFinished();
                Start(child, game, arguments);
            }
            lines << WaitForLine(child, waitFor);
            QVERIFY2(!lines[0].isEmpty(), qPrintable(attack));
            if (attack == "second") { // another folder runs; this one wakes the first and gives way
                QVERIFY(RunToEnd(game, {"look", outside.path()}).contains("started"));
                QVERIFY(RunToEnd(game, {"look", folder.path()}).contains("gave way"));
                QVERIFY(!WaitForLine(child, "woken").isEmpty());
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
            QCOMPARE(BytesOf(scores), scoresAfter);
        QCOMPARE(BytesOf(away), attack == "link" ? SavedList(1) + SavedList(0) : QByteArray());
        QCOMPARE(pieces(folder),
            waitFor.isEmpty() && attack != "read-only" ? pieces(folder, "v") : before); // play chooses a set
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), files);
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
