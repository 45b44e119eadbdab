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
        QVERIFY(QFile::copy(source.filePath(name), folder.filePath(name))
            && QFile::setPermissions(folder.filePath(name), QFile::Permissions(0x6666))); // the player's own
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), folder.filePath(QStringLiteral("game"))));
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
            if (role == QLatin1String("save")) {
                const QByteArray content = BytesOf(folder.filePath(QStringLiteral("scores.txt")));
                QVERIFY(content == childgame::SavedList(0) || content == childgame::SavedList(1));
                continue;
            }
            QCOMPARE(childgame::RunToEnd(game, {QStringLiteral("look"), folder.path()}).value(0), QStringLiteral("0"));
            QVERIFY(pieces(folder) == pieces(folder, QStringLiteral("s")) || pieces(folder) == pieces(folder, "v"));
            QCOMPARE(QDir(folder.path()).entryList({"*.new", "*.old", ".dezudor-copy*"}, QDir::Files | QDir::Hidden),
                QStringList());
        }
    }

    // Played to its end, or ended by SIGTERM (a message box open or not) with
    // status 0: each message names its file, a hostile file stays as it was,
    // the record file is never lost and no temporary file is left.
    void hostileFolder_data()
    {
        QTest::addColumn<QString>("attack");
        QTest::addColumn<QString>("waitFor"); // empty: plays to its end
        QTest::addColumn<QStringList>("named");
        QTest::addColumn<QByteArray>("scoresAfter");
        QTest::addColumn<QString>("setAfter"); // empty: the pieces as before
        const QByteArray list = childgame::SavedList(0);
        QByteArray bestOfBoth;
        for (int k = 0; k < 5; ++k)
            bestOfBoth += list.mid(16 * k, 16) + childgame::SavedList(1).mid(17 * k, 17);
        const QByteArray played = "\xd5rs\r\n00 : 00\r\n" + list.chopped(16);
        const QStringList scores{QStringLiteral("scores.txt")};
        const QStringList five{QStringLiteral("5.jpg")};
        QTest::newRow("read-only folder") << "read-only"
                                          << "" << QStringList{"1.jpg", "scores.txt"} << list << "";
        QTest::newRow("damaged pictures") << "damaged"
                                          << "" << QStringList{"5.jpg", "7.jpg"} << played << "v";
        QTest::newRow("missing picture, message open") << "missing"
                                                       << "message: " << five << list << "";
        QTest::newRow("full disk, message open") << "full disk"
                                                 << "message: " << scores << list << "";
        QTest::newRow("FIFO as scores.txt") << "fifo"
                                            << "message: " << scores << QByteArray() << "";
        QTest::newRow("scores.txt links to /dev/zero") << "zero"
                                                       << "message: " << scores << QByteArray() << "";
        QTest::newRow("unreadable scores.txt") << "unreadable"
                                               << "message: " << scores << list << "";
        QTest::newRow("scores.txt links outside") << "link"
                                                  << "started" << QStringList() << bestOfBoth << "";
        QTest::newRow("dangling link") << "dangling"
                                       << "started" << QStringList() << QByteArray() << "";
        QTest::newRow("decompression bomb") << "bomb"
                                            << "message: " << five << list << "";
    }

    void hostileFolder()
    {
        QFETCH(QString, attack);
        QFETCH(QString, waitFor);
        QFETCH(QStringList, named);
        QFETCH(QByteArray, scoresAfter);
        QFETCH(QString, setAfter);
        QTemporaryDir folder;
        QTemporaryDir outside;
        installInto(folder);
        QVERIFY(QFile::setPermissions(outside.path(), QFile::Permissions(0x7777)));
        const QString scores = folder.filePath(QStringLiteral("scores.txt"));
        const QString away = outside.filePath(QStringLiteral("records"));
        const QString five = folder.filePath(QStringLiteral("5.jpg"));
        writeFile(scores, childgame::SavedList(0));
        QStringList arguments{waitFor.isEmpty() ? QStringLiteral("play") : QStringLiteral("start"), folder.path()};
        QProcess child;
        if (attack == QLatin1String("missing") || attack == QLatin1String("damaged"))
            QVERIFY(QFile::remove(five));
        if (attack == QLatin1String("damaged")) {
            QByteArray noise(900, '\0');
            QRandomGenerator(77).fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
            writeFile(folder.filePath(QStringLiteral("7.jpg")), noise);
        } else if (attack == QLatin1String("bomb")) {
            QByteArray bomb = BytesOf(five);
            const qsizetype frame = bomb.indexOf(QByteArray("\xff\xc0", 2));
            QVERIFY(frame > 0);
            bomb[frame + 5] = bomb[frame + 7] = char(0x15); // 0x15e0 = 5600 pixels a side
            bomb[frame + 6] = bomb[frame + 8] = char(0xe0);
            writeFile(five, bomb);
        } else if (attack == QLatin1String("full disk")) {
            arguments << QStringLiteral("leave");
            child.setChildProcessModifier([] {
                const rlimit limit{64, 64};
                ::setrlimit(RLIMIT_FSIZE, &limit);
                ::signal(SIGXFSZ, SIG_IGN);
            });
        } else if (attack == QLatin1String("unreadable")) {
            QVERIFY(QFile::setPermissions(scores, QFile::WriteOwner | QFile::WriteOther));
        } else if (QStringList{"fifo", "zero", "link", "dangling"}.contains(attack)) {
            QVERIFY(QFile::remove(scores));
            if (attack == QLatin1String("link"))
                writeFile(away, childgame::SavedList(1) + childgame::SavedList(0)); // a save through it keeps ten
            QVERIFY(attack == QLatin1String("fifo") ? ::mkfifo(QFile::encodeName(scores).constData(), 0666) == 0
                                                    : QFile::link(attack == "zero" ? "/dev/zero" : away, scores));
        }
        const QList<QByteArray> before = pieces(folder);
        QStringList files = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
        if (!files.contains(QStringLiteral("5.jpg")) && !setAfter.isEmpty()) // a new set fills the gap
            (files << QStringLiteral("5.jpg")).sort();
        if (attack == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(folder.path(), QFile::Permissions(0x5555)));

        QStringList lines;
        if (waitFor.isEmpty()) {
            lines = childgame::RunToEnd(folder.filePath(QStringLiteral("game")), arguments);
            QVERIFY2(lines.value(0) == "0" && lines.contains(QStringLiteral("found: Őrs 00 : 00")),
                qPrintable(lines.join('\n')));
        } else {
            childgame::Start(child, folder.filePath(QStringLiteral("game")), arguments);
            lines << childgame::WaitForLine(child, waitFor);
            QVERIFY2(!lines[0].isEmpty(), qPrintable(attack));
            child.terminate();
            QCOMPARE(childgame::Ended(child), 0);
        }
        QFile::setPermissions(folder.path(), QFile::Permissions(0x7777));
        QFile::setPermissions(scores, QFile::ReadOwner | QFile::WriteOwner);

        const QStringList messages = lines.filter(QRegularExpression(QStringLiteral("^message: ")));
        for (const QString& name : named)
            QVERIFY2(messages.filter(QDir::toNativeSeparators(folder.filePath(name))).size()
                    == (setAfter.isEmpty() ? 1 : messages.size()), // moves carrying a damaged piece may repeat it
                qPrintable(lines.join('\n')));
        for (const QString& message : messages)
            QVERIFY2(
                std::any_of(named.begin(), named.end(), [&](const QString& name) { return message.contains(name); }),
                qPrintable(message));
        const QFileInfo info(scores);
        if (attack == QLatin1String("fifo"))
            QVERIFY(info.exists() && !info.isFile() && !info.isSymLink());
        else if (attack == QLatin1String("zero"))
            QCOMPARE(info.symLinkTarget(), QStringLiteral("/dev/zero"));
        else
            QVERIFY(info.isFile() && !info.isSymLink() && BytesOf(scores) == scoresAfter);
        QCOMPARE(BytesOf(away),
            attack == QLatin1String("link") ? childgame::SavedList(1) + childgame::SavedList(0) : QByteArray());
        QCOMPARE(pieces(folder), setAfter.isEmpty() ? before : pieces(folder, setAfter));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System), files);
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
        QCOMPARE(childgame::RunToEnd(game, {"start", folder.path(), "leave"}).filter("gave way").size(), 1);
        QVERIFY(!childgame::WaitForLine(first, QStringLiteral("woken")).isEmpty());
        for (const QString& where : {other.path(), folder.path()}) {
            if (where == folder.path()) {
                first.kill();
                first.waitForFinished();
            }
            QProcess next;
            childgame::Start(next, game, {"start", where});
            QVERIFY(!childgame::WaitForLine(next, QStringLiteral("started")).isEmpty());
            next.terminate();
            QCOMPARE(childgame::Ended(next), 0);
        }
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
