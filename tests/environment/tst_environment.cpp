// The game in hostile surroundings, each case in a child process: killed in
// the middle of saving or copying, started in a read-only folder, with damaged
// pictures, with hostile record files, twice in one folder, ended by signals.
#include "childgame.h"
#include "filecopy.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstring>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The runnable folder's pictures and this program, as an installed game has them.
void copyGameInto(const QString& folder)
{
    const QDir source(QStringLiteral(DEZUDOR_RUN_DIR));
    for (const QString& name : source.entryList({QStringLiteral("*.jpg")}, QDir::Files))
        QVERIFY(QFile::copy(source.filePath(name), QDir(folder).filePath(name)));
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), QDir(folder).filePath(QStringLiteral("game"))));
}

QProcessEnvironment childEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), QDir::tempPath());
    // Leaks are the in-process tests' concern, and an unprivileged child may
    // not even read the suppression file.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    environment.remove(QStringLiteral("LSAN_OPTIONS"));
    return environment;
}

struct ChildRun {
    int Status = -1;
    QStringList Messages;
    QStringList Lines;
};

// Starts this program's copy in `folder` in the role `role`. Root may write
// anywhere, so as root the child runs as an unprivileged user.
void startIn(QProcess& child, const QString& folder, const QString& role, const QStringList& more = {})
{
    QStringList command = QStringList{QDir(folder).filePath(QStringLiteral("game")), role, folder} + more;
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                      QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"), QStringLiteral("--")}
            + command;
#endif
    child.setProcessEnvironment(childEnvironment());
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(command.takeFirst(), command);
}

// The child's next output line that starts with `prefix`; empty when it
// ends first. The long wait only guards against a hang.
QString waitForLine(QProcess& child, const QString& prefix)
{
    for (;;) {
        while (child.canReadLine()) {
            QString line = QString::fromUtf8(child.readLine()).trimmed();
            if (line.startsWith(prefix))
                return line;
        }
        if (!child.waitForReadyRead(30000))
            return {};
    }
}

// Lets the unprivileged child into a folder the test made.
void openToAll(const QString& folder)
{
    QVERIFY(QFile::setPermissions(
        folder, QFile::permissions(folder) | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));
}

int endedStatus(QProcess& child)
{
    if (!child.waitForFinished(10000)) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

ChildRun playIn(const QString& folder)
{
    QProcess child;
    startIn(child, folder, QStringLiteral("--play"));
    ChildRun run;
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        return run;
    }
    run.Status = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    run.Lines = QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : run.Lines)
        if (line.startsWith(QLatin1String("message: ")))
            run.Messages.append(line);
    return run;
}

} // namespace

class TestEnvironment : public QObject {
    Q_OBJECT

private slots:
    // After a kill at any moment the file is one whole list or the other.
    void killedWhileSavingLeavesAWholeFile()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString scores = folder.filePath(QStringLiteral("scores.txt"));
        const QByteArray lists[] = {childgame::SavedList(0), childgame::SavedList(1)};
        QRandomGenerator moments(2024);
        for (int kill = 0; kill < 50; ++kill) {
            QProcess child;
            child.setProcessEnvironment(childEnvironment());
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-forever"), folder.path()});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(30000));
            QThread::usleep(moments.bounded(20000));
            child.kill();
            QVERIFY(child.waitForFinished());
            const QByteArray content = bytesOf(scores);
            QVERIFY2(content == lists[0] || content == lists[1],
                qPrintable(QStringLiteral("kill %1 left %2 bytes").arg(kill).arg(content.size())));
        }
    }

    // Plays, reports once that the records cannot be saved, and ends cleanly.
    void readOnlyFolder()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        copyGameInto(folder.path());
        const QStringList before = QDir(folder.path()).entryList(QDir::Files);
        QVERIFY(QFile::setPermissions(folder.path(),
            QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther
                | QFile::ExeOther));

        const ChildRun run = playIn(folder.path());
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(run.Status, 0);
        QVERIFY2(run.Lines.contains(QStringLiteral("moves: 20")), qPrintable(run.Lines.join('\n')));
        QVERIFY2(run.Lines.contains(QStringLiteral("record: Kata 00 : 00")), qPrintable(run.Lines.join('\n')));
        QCOMPARE(run.Messages.size(), 1);
        QVERIFY2(run.Messages[0].contains(QStringLiteral("nem menthető")), qPrintable(run.Messages[0]));
        QVERIFY2(run.Messages[0].contains(QStringLiteral("scores.txt")), qPrintable(run.Messages[0]));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), before);
    }

    // One message for the deal names both files; moves that carry them may
    // say so again; the game plays on and keeps its record.
    void damagedPictures()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        copyGameInto(folder.path());
        QVERIFY(QFile::remove(folder.filePath(QStringLiteral("5.jpg"))));
        QFile seven(folder.filePath(QStringLiteral("7.jpg")));
        QVERIFY(seven.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QRandomGenerator noise(77);
        for (int i = 0; i < 900; ++i)
            seven.putChar(static_cast<char>(noise.bounded(256)));
        seven.close();
        QVERIFY(QFile::setPermissions(
            folder.path(), QFile::permissions(folder.path()) | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther));

        const ChildRun run = playIn(folder.path());

        QCOMPARE(run.Status, 0);
        QVERIFY2(run.Lines.contains(QStringLiteral("moves: 20")), qPrintable(run.Lines.join('\n')));
        QVERIFY(!run.Messages.isEmpty());
        QVERIFY2(run.Messages[0].contains(QDir::toNativeSeparators(folder.filePath(QStringLiteral("5.jpg"))))
                && run.Messages[0].contains(QDir::toNativeSeparators(folder.filePath(QStringLiteral("7.jpg")))),
            qPrintable(run.Messages[0]));
        for (const QString& message : run.Messages)
            QVERIFY2(message.contains(QStringLiteral("5.jpg")) || message.contains(QStringLiteral("7.jpg")),
                qPrintable(message));
        QCOMPARE(bytesOf(folder.filePath(QStringLiteral("scores.txt"))), QByteArray("Kata\r\n00 : 00\r\n"));
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
        QVERIFY(folder.isValid() && outside.isValid());
        copyGameInto(folder.path());
        openToAll(folder.path());
        openToAll(outside.path());
        const QString scores = folder.filePath(QStringLiteral("scores.txt"));
        const QString away = outside.filePath(QStringLiteral("records"));
        // Twenty entries: a save through the link would cut them to ten.
        const QByteArray awayBytes = childgame::SavedList(1) + childgame::SavedList(0);
        const QByteArray list = childgame::SavedList(0);
        QFile listFile(scores);
        QVERIFY(listFile.open(QIODevice::WriteOnly) && listFile.write(list) == list.size());
        listFile.close();
        QVERIFY(QFile::setPermissions(scores, QFile::permissions(scores) | QFile::WriteOther));
        QStringList more;
        QProcess child;
        if (attack == QLatin1String("missing picture")) {
            QVERIFY(QFile::remove(folder.filePath(QStringLiteral("5.jpg"))));
        } else if (attack == QLatin1String("full disk")) {
            more << QStringLiteral("leave");
            child.setChildProcessModifier([] {
                const rlimit limit{64, 64};
                ::setrlimit(RLIMIT_FSIZE, &limit);
                ::signal(SIGXFSZ, SIG_IGN);
            });
        } else if (attack == QLatin1String("unreadable")) {
            QVERIFY(QFile::setPermissions(scores, QFile::WriteOwner | QFile::WriteOther));
        } else if (attack == QLatin1String("bomb")) {
            QByteArray bomb = bytesOf(folder.filePath(QStringLiteral("5.jpg")));
            const qsizetype frame = bomb.indexOf(QByteArray("\xff\xc0", 2));
            QVERIFY(frame > 0);
            bomb[frame + 5] = bomb[frame + 7] = char(0x15); // 0x15e0 = 5600 pixels a side
            bomb[frame + 6] = bomb[frame + 8] = char(0xe0);
            QFile file(folder.filePath(QStringLiteral("5.jpg")));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bomb) == bomb.size());
        } else {
            QVERIFY(QFile::remove(scores));
            if (attack == QLatin1String("fifo"))
                QCOMPARE(::mkfifo(QFile::encodeName(scores).constData(), 0666), 0);
            if (attack == QLatin1String("link")) {
                QFile file(away);
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write(awayBytes) == awayBytes.size());
            }
            const QString target = attack == QLatin1String("zero") ? QStringLiteral("/dev/zero") : away;
            if (attack != QLatin1String("fifo"))
                QVERIFY(QFile::link(target, scores));
        }

        startIn(child, folder.path(), QStringLiteral("--start"), more);
        const QString line = waitForLine(child, waitFor);
        QVERIFY2(!line.isEmpty(), qPrintable(attack));
        child.terminate();
        QCOMPARE(endedStatus(child), 0);

        QFile::setPermissions(scores, QFile::ReadOwner | QFile::WriteOwner);
        struct stat info = {};
        QCOMPARE(::lstat(QFile::encodeName(scores).constData(), &info), 0);
        if (attack == QLatin1String("fifo")) {
            QVERIFY(S_ISFIFO(info.st_mode));
        } else if (attack == QLatin1String("zero")) {
            QCOMPARE(QFileInfo(scores).symLinkTarget(), QStringLiteral("/dev/zero"));
        } else {
            QVERIFY(S_ISREG(info.st_mode));
            if (attack == QLatin1String("link"))
                QCOMPARE(bytesOf(scores).count("\r\n"), 20); // the best ten of the twenty
            else
                QCOMPARE(bytesOf(scores), attack == QLatin1String("dangling") ? QByteArray() : list);
        }
        QCOMPARE(bytesOf(away), attack == QLatin1String("link") ? awayBytes : QByteArray());
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
        QVERIFY(folder.isValid() && other.isValid());
        for (const QTemporaryDir* dir : {&folder, &other}) {
            copyGameInto(dir->path());
            openToAll(dir->path());
        }
        const QString scores = folder.filePath(QStringLiteral("scores.txt"));
        QFile file(scores);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(childgame::SavedList(0)) > 0);
        file.close();
        QVERIFY(QFile::setPermissions(scores, QFile::permissions(scores) | QFile::WriteOther));

        QProcess first;
        startIn(first, folder.path(), QStringLiteral("--start"));
        QVERIFY(!waitForLine(first, QStringLiteral("started")).isEmpty());
        QProcess second;
        startIn(second, folder.path(), QStringLiteral("--start"), {QStringLiteral("leave")});
        QVERIFY(!waitForLine(second, QStringLiteral("gave way")).isEmpty());
        QCOMPARE(endedStatus(second), 0);
        QVERIFY(!waitForLine(first, QStringLiteral("woken")).isEmpty());

        QProcess elsewhere;
        startIn(elsewhere, other.path(), QStringLiteral("--start"));
        QVERIFY(!waitForLine(elsewhere, QStringLiteral("started")).isEmpty());
        elsewhere.terminate();
        QCOMPARE(endedStatus(elsewhere), 0);

        first.kill();
        first.waitForFinished();
        QProcess after;
        startIn(after, folder.path(), QStringLiteral("--start"));
        QVERIFY(!waitForLine(after, QStringLiteral("started")).isEmpty());
        after.terminate();
        QCOMPARE(endedStatus(after), 0);
        QCOMPARE(bytesOf(scores), childgame::SavedList(0));
    }

    // After a kill at any moment of a picture-set copy, the next start shows
    // one whole set and no temporary file is left.
    void killedWhileCopyingLeavesOneWholeSet()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        copyGameInto(folder.path());
        const QDir dir(folder.path());
        QRandomGenerator moments(2025);
        for (int kill = 0; kill < 20; ++kill) {
            QProcess child;
            child.setProcessEnvironment(childEnvironment());
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--choose-forever"), folder.path()});
            QVERIFY(child.waitForStarted());
            QVERIFY(!waitForLine(child, QStringLiteral("copying")).isEmpty());
            QThread::usleep(moments.bounded(30000));
            child.kill();
            QVERIFY(child.waitForFinished());

            QCOMPARE(int(platform::FinishInterruptedCopy(dir.filePath(QStringLiteral(".dezudor-copy"))).Error),
                int(platform::CopyFailure::None));
            int fromFirst = 0;
            int fromSecond = 0;
            for (int n = 1; n <= 15; ++n) {
                const QByteArray piece = bytesOf(dir.filePath(QStringLiteral("%1.jpg").arg(n)));
                fromFirst += piece == bytesOf(dir.filePath(QStringLiteral("s%1.jpg").arg(n)));
                fromSecond += piece == bytesOf(dir.filePath(QStringLiteral("v%1.jpg").arg(n)));
            }
            QVERIFY2(fromFirst == 15 || fromSecond == 15,
                qPrintable(QStringLiteral("kill %1: %2 + %3 pieces").arg(kill).arg(fromFirst).arg(fromSecond)));
            QCOMPARE(dir.entryList({QStringLiteral("*.new"), QStringLiteral("*.old"), QStringLiteral(".dezudor-copy*")},
                         QDir::AllEntries | QDir::Hidden | QDir::System),
                QStringList());
        }
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--play") == 0)
        return childgame::Play(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--save-forever") == 0)
        return childgame::SaveForever(QString::fromLocal8Bit(argv[2]));
    if (argc >= 3 && std::strcmp(argv[1], "--start") == 0)
        return childgame::Start(QString::fromLocal8Bit(argv[2]), argc == 4);
    if (argc == 3 && std::strcmp(argv[1], "--choose-forever") == 0)
        return childgame::ChooseForever(QString::fromLocal8Bit(argv[2]));
    TestEnvironment test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_environment.moc"
