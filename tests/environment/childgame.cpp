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
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <unistd.h>

namespace childgame {

namespace {

void say(const QString& line)
{
    std::printf("%s\n", qPrintable(QString(line).replace(QLatin1Char('\n'), QLatin1Char(' '))));
    std::fflush(stdout);
}

// Twenty real moves, a solved game with the clock standing still, a record,
// and the second picture set chosen.
void play(BoardControls& board)
{
    board.Timer1->stop();
    for (int i = 0; i < 20; ++i) {
        BoardEvents::FindEmptyCell();
        const int step = i % 2 == 0 ? (Module1::EmptyCol < 3 ? 1 : -1) : (Module1::EmptyRow < 3 ? 4 : -4);
        QTest::mouseClick(board.Picture1[4 * Module1::EmptyRow + Module1::EmptyCol + step], Qt::LeftButton);
    }
    say(QStringLiteral("moves: %1").arg(Module1::MoveCount));
    ShowLayout(OneMoveFromSolved);
    QTest::mouseClick(board.Picture1[15], Qt::LeftButton);
    HighControls& entry = Forms::high.Load();
    entry.Text1->clear();
    QTest::sendKeyEvent(QTest::Click, entry.Text1, Qt::Key_unknown, QStringLiteral("Ő"), Qt::NoModifier);
    QTest::keyClicks(entry.Text1, QStringLiteral("rs"));
    QTest::mouseClick(entry.Command1, Qt::LeftButton);
    OptionsEvents::Picture3_Click(1);
    OptionsEvents::Command1_Click();
}

} // namespace

int Main(int argc, char* argv[])
{
    const QString role = QString::fromLatin1(argc >= 3 ? argv[1] : "");
    if (!QStringList{"play", "look", "start", "save", "choose"}.contains(role))
        return -1;
    QApplication::setApplicationName(QStringLiteral("dezudor"));
    if (const QString folder = QString::fromLocal8Bit(argv[2]); folder == QLatin1String("-"))
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
        if (boxes) // real boxes nobody answers
            QMessageBox::warning(nullptr, QStringLiteral("Dezudor"), text);
    });
    platform::EndOnTerminationSignal([&claim] {
        Module1::SaveRecordsAtEnd();
        claim.Release();
    });
    ui::RegisterForms();
    PictureSetChoice::FinishInterruptedChoice();
    claim.OnWake([] { say(QStringLiteral("woken")); });
    // Until killed: one full list saved after the other, or one set chosen after the other.
    for (int n = 0; role == QLatin1String("save") || role == QLatin1String("choose"); ++n) {
        if (role == QLatin1String("save")) {
            Forms::hightab.Unload();
            Module1::LoadRecordLines(SavedList(n % 2).replace("\r", "").trimmed().split('\n'));
            Module1::SaveRecords();
        } else {
            OptionsEvents::Picture3_Click(n % 2);
            OptionsEvents::Command1_Click();
        }
        if (n == 0)
            say(QStringLiteral("busy"));
    }
    BoardControls& board = Forms::board.Load();
    board.Form->show();
    QTimer::singleShot(0, [&] {
        say(QStringLiteral("folder: ") + platform::AppFolder());
        if (role == QLatin1String("play"))
            play(board);
        const HightabControls& list = Forms::hightab.Load();
        for (int i = 0; i < list.List1->count(); ++i)
            say(QStringLiteral("found: %1 %2").arg(list.List1->item(i)->text(), list.List2->item(i)->text()));
        say(QStringLiteral("started"));
        if (role != QLatin1String("start") || argc > 3)
            BoardEvents::Command1_Click();
    });
    const int status = QApplication::exec();
    ui::UnloadForms();
    return status;
}

void Start(QProcess& child, const QString& program, const QStringList& arguments, const QString& home)
{
    QStringList command = QStringList{program} + arguments;
    if (geteuid() == 0)
        command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"} + command;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("HOME"), home.isEmpty() ? QDir::tempPath() : home);
    environment.insert(QStringLiteral("XDG_DATA_HOME"), home.isEmpty() ? QDir::tempPath() : home);
    // Leaks are the in-process tests' concern; the child may not read the suppressions.
    environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    environment.remove(QStringLiteral("LSAN_OPTIONS"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(command.takeFirst(), command);
}

QString WaitForLine(QProcess& child, const QString& prefix)
{
    while (child.canReadLine() || child.waitForReadyRead(30000)) // a guard against a hang only
        if (const QString line = QString::fromUtf8(child.readLine()).trimmed(); line.startsWith(prefix))
            return line;
    return {};
}

int Ended(QProcess& child)
{
    if (!child.waitForFinished(60000))
        child.kill();
    child.waitForFinished();
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

QStringList RunToEnd(const QString& program, const QStringList& arguments, const QString& home)
{
    QProcess child;
    Start(child, program, arguments, home);
    const int status = Ended(child);
    return QStringList{QString::number(status)} + QString::fromUtf8(child.readAllStandardOutput()).split('\n');
}

QByteArray SavedList(int which)
{
    QByteArray bytes;
    for (int k = 0; k < 10; ++k)
        bytes += QStringLiteral("%1 %2\r\n%3 : 1%2\r\n")
                     .arg(which ? QStringLiteral("Béla") : QStringLiteral("Éva"))
                     .arg(k)
                     .arg(which + k, 2, 10, QLatin1Char('0'))
                     .toLatin1();
    return bytes;
}

QByteArray BytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace childgame
