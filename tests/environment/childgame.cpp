#include "childgame.h"

#include "appfolder.h"
#include "errorreport.h"
#include "folderclaim.h"
#include "forms.h"
#include "picturesets.h"
#include "random.h"
#include "recordrows.h"
#include "secondstart.h"
#include "termination.h"
#include "testgame.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace childgame {

namespace {

QString sessionBus;

void say(const QString& line)
{
    // UTF-8 whatever the system's code page: the test reads it so.
    std::printf("%s\n", QString(line).replace(QLatin1Char('\n'), QLatin1Char(' ')).toUtf8().constData());
    std::fflush(stdout);
}

// Twenty real moves, a solved game with the clock stopped, a record, and the second picture set chosen;
// unconfirmed: the record-entry window left open with an empty name box.
void play(BoardControls& board, bool confirm)
{
    board.Timer1->stop();
    for (int i = 0; i < 20; ++i) {
        BoardEvents::FindEmptyCell();
        const int step = i % 2 == 0 ? (Module1::EmptyCol < 3 ? 1 : -1) : (Module1::EmptyRow < 3 ? 4 : -4);
        QTest::mouseClick(board.Picture1[4 * Module1::EmptyRow + Module1::EmptyCol + step], Qt::LeftButton);
    }
    ShowLayout(OneMoveFromSolved);
    QTest::mouseClick(board.Picture1[15], Qt::LeftButton);
    HighControls& entry = Forms::high.Load();
    entry.Text1->clear();
    if (!confirm)
        return;
    QTest::sendKeyEvent(QTest::Click, entry.Text1, Qt::Key_unknown, "Ő", Qt::NoModifier);
    QTest::keyClicks(entry.Text1, "rs");
    QTest::mouseClick(entry.Command1, Qt::LeftButton);
    OptionsEvents::Picture3_Click(1);
    OptionsEvents::Command1_Click();
}

} // namespace

int Main(int argc, char* argv[])
{
    const QString role = argc >= 3 ? argv[1] : "";
    if (!QStringList{"play", "finish", "look", "second", "start", "save", "choose"}.contains(role))
        return -1;
    QApplication::setApplicationName("dezudor");
    argv[2] == std::string("-") ? platform::SetUpAppFolder() : platform::SetAppFolder(QString::fromLocal8Bit(argv[2]));
    platform::SeedRandom(3);
    platform::SetErrorReporter([boxes = role == "start"](const QString& text) {
        say("message: " + text);
        if (boxes) // real boxes nobody answers
            QMessageBox::warning(nullptr, "Dezudor", text);
    });
    // A game that runs answers at once, however busy the machine; "second" meets one that cannot.
    platform::FolderClaim claim(platform::AppFolder(), role == "second" ? 200 : 60000);
    if (claim.HeldElsewhere()) {
        const int status = platform::EndSecondStart(claim, platform::AppFolder());
        return say("gave way"), status;
    }
    platform::EndOnTerminationSignal([&claim] { Module1::SaveRecordsAtEnd(), claim.Release(); });
    ui::RegisterForms();
    PictureSetChoice::FinishInterruptedChoice();
    claim.OnWake([] { say("woken"); });
    // Until killed: one full list saved after the other, or one set chosen after the other.
    for (int n = 0; role == "save" || role == "choose"; ++n) {
        if (role == "save") {
            Module1::ClearRecordRows();
            Module1::LoadRecordLines(SavedList(n % 2).replace("\r", "").trimmed().split('\n'));
            Module1::SaveRecords();
        } else {
            OptionsEvents::Picture3_Click(n % 2);
            OptionsEvents::Command1_Click();
        }
        if (n == 0)
            say("busy");
    }
    BoardControls& board = Forms::board.Load();
    board.Form->show();
    QTimer first; // a timer of its own: the static single shot reads as a leak to the analyzer
    first.setSingleShot(true);
    QObject::connect(&first, &QTimer::timeout, [&] {
        say("folder: " + platform::AppFolder());
        if (role == "play" || role == "finish")
            play(board, role == "play");
        const HightabControls& list = Forms::hightab.Load();
        for (int i = 0; i < list.List1->count(); ++i)
            say(QStringLiteral("found: %1 %2").arg(list.List1->item(i)->text(), list.List2->item(i)->text()));
        say("started");
        if (role == "play" || role == "look" || argc > 3)
            BoardEvents::Command1_Click();
    });
    first.start(0);
    const int status = QApplication::exec();
    ui::UnloadForms();
    return status;
}

void Start(QProcess& child, const QString& program, const QStringList& arguments, const QString& home)
{
    QStringList command = QStringList{program} + arguments;
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        command = QStringList{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"} + command;
#endif
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", home.isEmpty() ? QDir::tempPath() : home);
    environment.insert("XDG_DATA_HOME", home.isEmpty() ? QDir::tempPath() : home);
    environment.insert("ASAN_OPTIONS", "detect_leaks=0"); // leaks are the in-process tests' concern
    // No session bus but the test's own: none named, launched for a display or found in the runtime folder.
    for (const char* const way : {"DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "XDG_RUNTIME_DIR"})
        environment.remove(way);
    if (!sessionBus.isEmpty())
        environment.insert("DBUS_SESSION_BUS_ADDRESS", sessionBus);
    environment.remove("LSAN_OPTIONS");
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(command.takeFirst(), command);
}

QString WaitForLine(QProcess& child, const QString& prefix)
{
    while (child.canReadLine() || child.waitForReadyRead(30000)) // a guard against a hang only
        if (QString line = QString::fromUtf8(child.readLine()).trimmed(); line.startsWith(prefix))
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
    // Windows ends the lines with CR LF.
    const QString output = QString::fromUtf8(child.readAllStandardOutput()).remove(QLatin1Char('\r'));
    return QStringList{QString::number(status)} + output.split('\n');
}

void UseSessionBus(const QString& address)
{
    sessionBus = address;
}

QByteArray SavedList(int which)
{
    QString text;
    for (int k = 0; k < 10; ++k)
        text += QString("%1 %2\r\n%3 : 1%2\r\n").arg(which ? "Béla" : "Éva").arg(k).arg(which + k, 2, 10, QChar('0'));
    return text.toLatin1();
}

} // namespace childgame
