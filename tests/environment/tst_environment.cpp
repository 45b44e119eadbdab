// The game in hostile surroundings, each case in a child process.
#include "childgame.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using childgame::BytesOf;

namespace {

// The runnable folder's pictures and this program, in a folder any user may change.
void installInto(const QTemporaryDir& folder)
{
    const QDir source(QStringLiteral(DEZUDOR_RUN_DIR));
    for (const QString& name : source.entryList({QStringLiteral("*.jpg")}, QDir::Files))
        QVERIFY(QFile::copy(source.filePath(name), folder.filePath(name)));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), folder.filePath(QStringLiteral("game"))));
    QVERIFY(QFile::setPermissions(folder.path(), QFile::Permissions(0x7777)));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    QVERIFY(file.setPermissions(QFile::Permissions(0x6666)));
}

QList<QByteArray> pieces(const QString& folder, const QString& letter = {})
{
    QList<QByteArray> all;
    for (int n = 1; n <= 15; ++n)
        all.append(BytesOf(QDir(folder).filePath(letter + QStringLiteral("%1.jpg").arg(n))));
    return all;
}

} // namespace

class TestEnvironment : public QObject {
    Q_OBJECT

private slots:
    // Killed at any moment of saving the records or copying a picture set, the
    // game leaves one whole list or, at its next start, one whole set.
    void killedAtAnyMoment_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<int>("kills");
        QTest::newRow("saving records") << "save" << 40;
        QTest::newRow("copying pictures") << "choose" << 20;
    }

    void killedAtAnyMoment()
    {
        QFETCH(QString, role);
        QFETCH(int, kills);
        QTemporaryDir folder;
        installInto(folder);
        const QString game = folder.filePath(QStringLiteral("game"));
        QRandomGenerator moments(2024);
        for (int kill = 0; kill < kills; ++kill) {
            QProcess child;
            childgame::Start(child, game, {role, folder.path()});
            QVERIFY(!childgame::WaitForLine(child, QStringLiteral("busy")).isEmpty());
            QThread::usleep(moments.bounded(20000)); // the moment of the kill, not a wait
            child.kill();
            QVERIFY(child.waitForFinished());
            const QString at = QStringLiteral("kill %1").arg(kill);
            if (role == QLatin1String("save")) {
                const QByteArray content = BytesOf(folder.filePath(QStringLiteral("scores.txt")));
                QVERIFY2(content == childgame::SavedList(0) || content == childgame::SavedList(1), qPrintable(at));
                continue;
            }
            QCOMPARE(childgame::RunToEnd(game, {QStringLiteral("look"), folder.path()}).value(0), QStringLiteral("0"));
            const QList<QByteArray> now = pieces(folder.path());
            QVERIFY2(
                now == pieces(folder.path(), QStringLiteral("s")) || now == pieces(folder.path(), QStringLiteral("v")),
                qPrintable(at));
            QCOMPARE(QDir(folder.path()).entryList({"*.new", "*.old", ".dezudor-copy*"}, QDir::Files | QDir::Hidden),
                QStringList());
        }
    }

    // The game plays on, one message for each failure naming the file, and
    // keeps no half-done file.
    void playsInAHostileFolder_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("read-only folder") << true;
        QTest::newRow("missing and damaged pictures") << false;
    }

    void playsInAHostileFolder()
    {
        QFETCH(bool, readOnly);
        QTemporaryDir folder;
        installInto(folder);
        const QString five = QDir::toNativeSeparators(folder.filePath(QStringLiteral("5.jpg")));
        const QString seven = QDir::toNativeSeparators(folder.filePath(QStringLiteral("7.jpg")));
        if (!readOnly) {
            QVERIFY(QFile::remove(five));
            QByteArray noise(900, '\0');
            QRandomGenerator(77).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
            writeFile(seven, noise);
        }
        const QList<QByteArray> before = pieces(folder.path());
        const QStringList files = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        if (readOnly)
            QVERIFY(QFile::setPermissions(folder.path(), QFile::Permissions(0x5555)));

        const QStringList lines = childgame::RunToEnd(folder.filePath(QStringLiteral("game")), {"play", folder.path()});
        QFile::setPermissions(folder.path(), QFile::Permissions(0x7777));

        const QString all = lines.join(QLatin1Char('\n'));
        QVERIFY2(lines.value(0) == QLatin1String("0") && lines.contains(QStringLiteral("moves: 20"))
                && lines.contains(QStringLiteral("record: Őrs 00 : 00")),
            qPrintable(all));
        const QStringList messages = lines.filter(QRegularExpression(QStringLiteral("^message: ")));
        if (readOnly) {
            QCOMPARE(messages.size(), 2);
            const auto names = [&](const QString& says, const QString& file) {
                return messages.filter(says).value(0).contains(QDir::toNativeSeparators(folder.filePath(file)));
            };
            QVERIFY2(names(QStringLiteral("írásvédett"), QStringLiteral("1.jpg")), qPrintable(all));
            QVERIFY2(names(QStringLiteral("nem menthető"), QStringLiteral("scores.txt")), qPrintable(all));
            QCOMPARE(pieces(folder.path()), before);
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), files);
            return;
        }
        QVERIFY2(!messages.isEmpty() && messages[0].contains(five) && messages[0].contains(seven), qPrintable(all));
        for (const QString& message : messages)
            QVERIFY2(message.contains(five) || message.contains(seven), qPrintable(message));
        QCOMPARE(BytesOf(folder.filePath(QStringLiteral("scores.txt"))), QByteArray("\xd5rs\r\n00 : 00\r\n"));
        QCOMPARE(pieces(folder.path()), pieces(folder.path(), QStringLiteral("v")));
    }

    // SIGTERM ends the game, a message box open or not, with status 0; the
    // hostile file is left as it was and a record file is never lost.
    void signalEndsTheGameAndKeepsTheFiles_data()
    {
        QTest::addColumn<QString>("attack");
        QTest::addColumn<QString>("waitFor");
        QTest::newRow("missing picture, start-up message open") << "missing picture"
                                                                << "message: ";
        QTest::newRow("full disk, exit message open") << "full disk"
                                                      << "message: ";
        QTest::newRow("FIFO as scores.txt") << "fifo"
                                            << "message: ";
        QTest::newRow("scores.txt links to /dev/zero") << "zero"
                                                       << "message: ";
        QTest::newRow("unreadable scores.txt") << "unreadable"
                                               << "message: ";
        QTest::newRow("scores.txt links outside") << "link"
                                                  << "started";
        QTest::newRow("scores.txt is a dangling link") << "dangling"
                                                       << "started";
        QTest::newRow("decompression bomb") << "bomb"
                                            << "message: ";
    }

    void signalEndsTheGameAndKeepsTheFiles()
    {
        QFETCH(QString, attack);
        QFETCH(QString, waitFor);
        QTemporaryDir folder;
        QTemporaryDir outside;
        installInto(folder);
        QVERIFY(QFile::setPermissions(outside.path(), QFile::Permissions(0x7777)));
        const QString scores = folder.filePath(QStringLiteral("scores.txt"));
        const QString away = outside.filePath(QStringLiteral("records"));
        // Twenty entries: a save through the link would cut them to ten.
        const QByteArray awayBytes = childgame::SavedList(1) + childgame::SavedList(0);
        const QByteArray list = childgame::SavedList(0);
        writeFile(scores, list);
        QStringList arguments{QStringLiteral("start"), folder.path()};
        QProcess child;
        if (attack == QLatin1String("missing picture")) {
            QVERIFY(QFile::remove(folder.filePath(QStringLiteral("5.jpg"))));
        } else if (attack == QLatin1String("full disk")) {
            arguments << QStringLiteral("leave");
            child.setChildProcessModifier([] {
                const rlimit limit{64, 64};
                ::setrlimit(RLIMIT_FSIZE, &limit);
                ::signal(SIGXFSZ, SIG_IGN);
            });
        } else if (attack == QLatin1String("unreadable")) {
            QVERIFY(QFile::setPermissions(scores, QFile::WriteOwner | QFile::WriteOther));
        } else if (attack == QLatin1String("bomb")) {
            QByteArray bomb = BytesOf(folder.filePath(QStringLiteral("5.jpg")));
            const qsizetype frame = bomb.indexOf(QByteArray("\xff\xc0", 2));
            QVERIFY(frame > 0);
            bomb[frame + 5] = bomb[frame + 7] = char(0x15); // 0x15e0 = 5600 pixels a side
            bomb[frame + 6] = bomb[frame + 8] = char(0xe0);
            writeFile(folder.filePath(QStringLiteral("5.jpg")), bomb);
        } else {
            QVERIFY(QFile::remove(scores));
            if (attack == QLatin1String("fifo"))
                QCOMPARE(::mkfifo(QFile::encodeName(scores).constData(), 0666), 0);
            else if (attack == QLatin1String("link"))
                writeFile(away, awayBytes);
            if (attack != QLatin1String("fifo"))
                QVERIFY(QFile::link(attack == QLatin1String("zero") ? QStringLiteral("/dev/zero") : away, scores));
        }

        childgame::Start(child, folder.filePath(QStringLiteral("game")), arguments);
        const QString line = childgame::WaitForLine(child, waitFor);
        QVERIFY2(!line.isEmpty(), qPrintable(attack));
        child.terminate();
        QCOMPARE(childgame::Ended(child), 0);

        QFile::setPermissions(scores, QFile::ReadOwner | QFile::WriteOwner);
        const QFileInfo info(scores);
        if (attack == QLatin1String("fifo")) {
            QVERIFY(!info.isSymLink() && !info.isFile() && info.exists());
        } else if (attack == QLatin1String("zero")) {
            QCOMPARE(info.symLinkTarget(), QStringLiteral("/dev/zero"));
        } else {
            QVERIFY(info.isFile() && !info.isSymLink());
            if (attack == QLatin1String("link"))
                QCOMPARE(BytesOf(scores).count("\r\n"), 20); // the best ten of the twenty
            else
                QCOMPARE(BytesOf(scores), attack == QLatin1String("dangling") ? QByteArray() : list);
        }
        QCOMPARE(BytesOf(away), attack == QLatin1String("link") ? awayBytes : QByteArray());
        QCOMPARE(QFile::exists(away), attack == QLatin1String("link"));
        if (attack == QLatin1String("full disk"))
            QVERIFY2(line.contains(QStringLiteral("nem menthető")), qPrintable(line));
        if (attack == QLatin1String("bomb") || attack == QLatin1String("missing picture"))
            QVERIFY2(line.contains(QStringLiteral("5.jpg")), qPrintable(line));
    }

    // A second start in the same folder wakes the first and gives way; a game
    // in another folder runs; a killed game's lock does not count.
    void oneGamePerFolder()
    {
        QTemporaryDir folder;
        QTemporaryDir other;
        installInto(folder);
        installInto(other);
        const QString scores = folder.filePath(QStringLiteral("scores.txt"));
        writeFile(scores, childgame::SavedList(0));
        const QString game = folder.filePath(QStringLiteral("game"));

        QProcess first;
        childgame::Start(first, game, {"start", folder.path()});
        QVERIFY(!childgame::WaitForLine(first, QStringLiteral("started")).isEmpty());
        QProcess second;
        childgame::Start(second, game, {"start", folder.path(), "leave"});
        QVERIFY(!childgame::WaitForLine(second, QStringLiteral("gave way")).isEmpty());
        QCOMPARE(childgame::Ended(second), 0);
        QVERIFY(!childgame::WaitForLine(first, QStringLiteral("woken")).isEmpty());

        QProcess elsewhere;
        childgame::Start(elsewhere, game, {"start", other.path()});
        QVERIFY(!childgame::WaitForLine(elsewhere, QStringLiteral("started")).isEmpty());
        elsewhere.terminate();
        QCOMPARE(childgame::Ended(elsewhere), 0);

        first.kill();
        first.waitForFinished();
        QProcess after;
        childgame::Start(after, game, {"start", folder.path()});
        QVERIFY(!childgame::WaitForLine(after, QStringLiteral("started")).isEmpty());
        after.terminate();
        QCOMPARE(childgame::Ended(after), 0);
        QCOMPARE(BytesOf(scores), childgame::SavedList(0));
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
