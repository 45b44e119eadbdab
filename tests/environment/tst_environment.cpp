// The game in hostile surroundings, each case in a child process: killed in
// the middle of saving, started in a read-only folder, started with damaged
// pictures.
#include "tests/environment/childgame.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstring>

#ifdef Q_OS_UNIX
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

// Runs this program's copy in `folder` in the role of a player. Root may
// write anywhere, so as root the child runs as an unprivileged user.
ChildRun playIn(const QString& folder)
{
    QProcess child;
    QStringList command{QDir(folder).filePath(QStringLiteral("game")), QStringLiteral("--play"), folder};
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        command = QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"),
                      QStringLiteral("--regid=65534"), QStringLiteral("--clear-groups"), QStringLiteral("--")}
            + command;
#endif
    child.setProcessEnvironment(childEnvironment());
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(command.takeFirst(), command);
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
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "--play") == 0)
        return childgame::Play(QString::fromLocal8Bit(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--save-forever") == 0)
        return childgame::SaveForever(QString::fromLocal8Bit(argv[2]));
    TestEnvironment test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_environment.moc"
