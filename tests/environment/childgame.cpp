#include "childgame.h"

#include "appfolder.h"
#include "errorreport.h"
#include "folderclaim.h"
#include "forms.h"
#include "picturesets.h"
#include "random.h"
#include "termination.h"
#include "testgame.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace childgame {

namespace {

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(QString(line).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    std::fflush(stdout);
}

void sayRecords(const QString& prefix)
{
    const HightabControls& list = Forms::hightab.Load();
    for (int i = 0; i < list.List1->count(); ++i)
        say(prefix + list.List1->item(i)->text() + QLatin1Char(' ') + list.List2->item(i)->text());
}

// Makes twenty real moves, solves the game with the clock standing still,
// enters a record and chooses the second picture set.
void play(BoardControls& board)
{
    board.Timer1->stop();
    for (int i = 0; i < 20; ++i) {
        BoardEvents::FindEmptyCell();
        const int row = Module1::EmptyRow + (i % 2 == 0 ? 0 : (Module1::EmptyRow < 3 ? 1 : -1));
        const int col = Module1::EmptyCol + (i % 2 == 0 ? (Module1::EmptyCol < 3 ? 1 : -1) : 0);
        QTest::mouseClick(board.Picture1[4 * row + col], Qt::LeftButton);
    }
    say(QStringLiteral("moves: %1").arg(Module1::MoveCount));
    ShowLayout(OneMoveFromSolved);
    QTest::mouseClick(board.Picture1[15], Qt::LeftButton);
    HighControls& entry = Forms::high.Load();
    entry.Text1->clear();
    QTest::sendKeyEvent(QTest::Click, entry.Text1, Qt::Key_unknown, QStringLiteral("Ő"), Qt::NoModifier);
    QTest::keyClicks(entry.Text1, QStringLiteral("rs"));
    QTest::mouseClick(entry.Command1, Qt::LeftButton);
    sayRecords(QStringLiteral("record: "));
    OptionsEvents::Picture3_Click(1);
    OptionsEvents::Command1_Click();
}

} // namespace

int Main(int argc, char* argv[])
{
    const QStringList roles{"play", "look", "start", "save", "choose"};
    if (argc < 3 || !roles.contains(QString::fromLatin1(argv[1])))
        return -1;
    const QString role = QString::fromLatin1(argv[1]);
    const QString folder = QString::fromLocal8Bit(argv[2]);
    QApplication::setApplicationName(QStringLiteral("dezudor"));
    if (folder == QLatin1String("-"))
        platform::SetUpAppFolder();
    else
        platform::SetAppFolder(folder);
    platform::SeedRandom(3);
    platform::FolderClaim claim(platform::AppFolder());
    if (claim.HeldElsewhere()) {
        say(QStringLiteral("gave way"));
        return 0;
    }
    platform::SetErrorReporter([boxes = role == QLatin1String("start")](const QString& text) {
        say(QStringLiteral("message: ") + text);
        if (boxes)
            QMessageBox::warning(nullptr, QStringLiteral("Dezudor"), text);
    });
    platform::EndOnTerminationSignal([&claim] {
        Module1::SaveRecordsAtEnd();
        claim.Release();
    });
    ui::RegisterForms();
    PictureSetChoice::FinishInterruptedChoice();
    claim.OnWake([] { say(QStringLiteral("woken")); });
    // Saves one of two full lists after the other, or chooses one of two
    // picture sets after the other, until killed.
    for (int n = 0; role == QLatin1String("save"); ++n) {
        Forms::hightab.Load().List1->clear();
        Forms::hightab.Load().List2->clear();
        Module1::LoadRecordLines(SavedList(n % 2).replace("\r", "").trimmed().split('\n'));
        if (!Module1::SaveRecords())
            return 1;
        if (n == 0)
            say(QStringLiteral("busy"));
    }
    for (int n = 0; role == QLatin1String("choose"); ++n) {
        OptionsEvents::Picture3_Click(n % 2);
        OptionsEvents::Command1_Click();
        if (n == 0)
            say(QStringLiteral("busy"));
    }
    BoardControls& board = Forms::board.Load();
    board.Form->show();
    QTimer::singleShot(0, [&] {
        say(QStringLiteral("folder: ") + platform::AppFolder());
        sayRecords(QStringLiteral("found: "));
        if (role == QLatin1String("play"))
            play(board);
        say(QStringLiteral("started"));
        if (role != QLatin1String("start") || argc > 3)
            BoardEvents::Command1_Click();
    });
    const int status = QApplication::exec();
    ui::UnloadForms();
    return status;
}

void Start(QProcess& child, const QString& program, const QStringList& arguments, const QString& dataHome)
{
    QStringList command = QStringList{program} + arguments;
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"} + command;
#endif
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), dataHome.isEmpty() ? QDir::tempPath() : dataHome);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.isEmpty() ? QDir::tempPath() : dataHome);
    // Leaks are the in-process tests' concern; an unprivileged child may not
    // even read the suppression file.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    environment.remove(QStringLiteral("LSAN_OPTIONS"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(command.takeFirst(), command);
}

QString WaitForLine(QProcess& child, const QString& prefix)
{
    for (;;) {
        while (child.canReadLine())
            if (const QString line = QString::fromUtf8(child.readLine()).trimmed(); line.startsWith(prefix))
                return line;
        if (!child.waitForReadyRead(30000)) // only a guard against a hang
            return {};
    }
}

int Ended(QProcess& child)
{
    if (!child.waitForFinished(60000))
        child.kill();
    child.waitForFinished();
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

QStringList RunToEnd(const QString& program, const QStringList& arguments, const QString& dataHome)
{
    QProcess child;
    Start(child, program, arguments, dataHome);
    const int status = Ended(child);
    return QStringList{QString::number(status)}
    + QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QByteArray SavedList(int which)
{
    QByteArray bytes;
    for (int k = 0; k < 10; ++k)
        bytes += QStringLiteral("%1 %2\r\n%3 : %4\r\n")
                     .arg(which ? QStringLiteral("Béla") : QStringLiteral("Éva"))
                     .arg(k)
                     .arg(which + k, 2, 10, QLatin1Char('0'))
                     .arg(10 + k)
                     .toLatin1();
    return bytes;
}

QByteArray BytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace childgame
