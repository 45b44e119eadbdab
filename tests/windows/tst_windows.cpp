// What only Windows does to the game, each case but one in a child copy of this program.
#include "childgame.h"
#include "errorreport.h"
#include "recordfile.h"
#include "testgame.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

using namespace childgame;

namespace {

// An original record file: windows-1250, CR LF, as the first program wrote it.
const QByteArray original = "\xc1gnes \xf5s \xfb\r\n01 : 05\r\nAnna\r\n12 : 40\r\n";

// This program as the game, with the built game's pictures and `records`, in `folder`.
QString install(const QString& folder, const QByteArray& records)
{
    if (!QDir().mkpath(folder))
        return {};
    CopyPictures(folder);
    WriteFile(QDir(folder).filePath("scores.txt"), records);
    const QString game = QDir(folder).filePath("game.exe");
    return QFile::copy(QCoreApplication::applicationFilePath(), game) ? game : QString();
}

// The player's own folder for the game, as the child under test sees it.
QString playerFolder()
{
    return QDir::toNativeSeparators(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

struct WindowSearch {
    DWORD process;
    QList<HWND> found;
};

BOOL CALLBACK collect(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == search->process)
        search->found.append(window);
    return TRUE;
}

QList<HWND> windowsOf(const QProcess& child)
{
    WindowSearch search{static_cast<DWORD>(child.processId()), {}};
    ::EnumWindows(collect, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Stops or restarts every thread of the child, as a hung game stands still.
void suspend(const QProcess& child, bool stop)
{
    using ProcessCall = LONG(NTAPI*)(HANDLE);
    const HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
    const auto call = reinterpret_cast<ProcessCall>(
        reinterpret_cast<void (*)()>(::GetProcAddress(ntdll, stop ? "NtSuspendProcess" : "NtResumeProcess")));
    const HANDLE process = ::OpenProcess(PROCESS_SUSPEND_RESUME, FALSE, static_cast<DWORD>(child.processId()));
    call(process);
    ::CloseHandle(process);
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void init() { QDir(playerFolder()).removeRecursively(); }

    void cleanup() { QDir(playerFolder()).removeRecursively(); }

    // Beside the program wherever a file can really be made there, else in the player's AppData; either way an
    // original record file reads as it is and comes back byte for byte.
    void folderRule_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("layout");
        QTest::newRow("portable") << "Dezudor"
                                  << "portable";
        QTest::newRow("accents in the path") << "Játékok\\Dezudor ő ű"
                                             << "portable";
        // Windows ignores a folder's read-only flag; Qt reads it as "not writable".
        QTest::newRow("read-only flag") << "Dezudor"
                                        << "read-only";
        QTest::newRow("installed") << "Program Files\\Dezudor"
                                   << "installed";
        QTest::newRow("installed, accents") << "Programok\\Dezudor játék"
                                            << "installed";
    }

    void folderRule()
    {
        QFETCH(QString, path);
        QFETCH(QString, layout);
        QTemporaryDir base;
        const QString program = QDir::toNativeSeparators(QDir(base.path()).filePath(path));
        const QString game = install(program, original);
        QVERIFY(!game.isEmpty());
        if (layout == "installed") {
            QVERIFY(QDir(program).mkdir("pictures"));
            for (const QString& picture : QDir(program).entryList({"*.jpg"}))
                QVERIFY(QDir(program).rename(picture, "pictures/" + picture));
        }
        if (layout == "read-only")
            QVERIFY(::SetFileAttributesW(reinterpret_cast<LPCWSTR>(program.utf16()), FILE_ATTRIBUTE_READONLY));
        const QString folder = layout == "installed" ? playerFolder() : program;

        const QStringList lines = RunToEnd(game, {"look", "-"});
        QVERIFY2(lines.value(0) == "0" && lines.contains("folder: " + folder), qPrintable(lines.join('\n')));
        QCOMPARE(lines.filter("found: "), QStringList({"found: Ágnes ős ű 01 : 05", "found: Anna 12 : 40"}));
        QCOMPARE(FileBytes(QDir(folder).filePath("scores.txt")), original);
        QCOMPARE(QDir(folder).entryList({"*.jpg"}).size(), 1 + 15 + 6 * 15);
        for (const QString& place : {program, folder})
            QCOMPARE(
                QDir(place).entryList({".dezudor-probe*"}, QDir::Files | QDir::Hidden | QDir::System), QStringList());
        ::SetFileAttributesW(reinterpret_cast<LPCWSTR>(program.utf16()), FILE_ATTRIBUTE_NORMAL);
    }

    // The end of the Windows session keeps a record waiting for its name, as a termination signal does.
    void sessionEndKeepsTheRecord()
    {
        QTemporaryDir folder;
        const QString game = install(folder.path(), original);
        QProcess child;
        Start(child, game, {"finish", folder.path(), "-platform", "windows"}); // real windows, which the session tells
        QVERIFY(!WaitForLine(child, "started").isEmpty());
        const QList<HWND> windows = windowsOf(child);
        QVERIFY(!windows.isEmpty());
        DWORD_PTR answer = 0;
        QVERIFY(
            ::SendMessageTimeoutW(windows[0], WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, &answer));
        QCOMPARE(answer, DWORD_PTR(TRUE));
        ::SendMessageTimeoutW(windows[0], WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF, SMTO_BLOCK, 10000, &answer);
        QCOMPARE(Ended(child), 0);
        QCOMPARE(FileBytes(QDir(folder.path()).filePath("scores.txt")), original + "N\xe9vtelen\r\n00 : 00\r\n");
    }

    // Without a session bus, a second start brings the running game's window forward and ends without a word;
    // beside a hung game it says that a game runs in the folder, and ends after the message.
    void secondStart_data()
    {
        QTest::addColumn<bool>("hung");
        QTest::newRow("running") << false;
        QTest::newRow("hung") << true;
    }

    void secondStart()
    {
        QFETCH(bool, hung);
        QTemporaryDir folder;
        const QString game = install(folder.path(), original);
        QProcess first;
        Start(first, game, {"finish", folder.path(), "-platform", "windows"});
        QVERIFY(!WaitForLine(first, "started").isEmpty());
        if (hung)
            suspend(first, true);
        const QStringList second = RunToEnd(game, {hung ? "second" : "look", folder.path(), "-platform", "windows"});
        if (hung)
            suspend(first, false);
        const QStringList messages = second.filter("message: ");
        if (hung)
            QVERIFY2(second.value(0) == "1" && messages.size() == 1
                    && messages[0].contains(QDir::toNativeSeparators(folder.path())),
                qPrintable(second.join('\n')));
        else
            QCOMPARE(second.mid(0, 2), QStringList({"0", "gave way"}));
        first.kill();
        first.waitForFinished();
        QCOMPARE(FileBytes(QDir(folder.path()).filePath("scores.txt")), original);
    }

    // A record file that another program holds open cannot be replaced: one message, the old file whole, and the
    // next save, once it is closed, succeeds.
    void recordFileHeldOpen()
    {
        TestGame game;
        const QString records = game.FilePath("scores.txt");
        WriteFile(records, original);
        Module1::LoadRecords();
        const HANDLE held = ::CreateFileW(reinterpret_cast<LPCWSTR>(records.utf16()), GENERIC_READ, FILE_SHARE_READ,
            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        QVERIFY(held != INVALID_HANDLE_VALUE);
        Forms::hightab.Load().List1->takeItem(0);
        Forms::hightab.Load().List2->takeItem(0);
        const bool savedWhileHeld = Module1::SaveRecords();
        ::CloseHandle(held);
        QVERIFY(!savedWhileHeld);
        QCOMPARE(game.Messages.size(), 1);
        QVERIFY2(game.Messages[0].contains(records), qPrintable(game.Messages[0]));
        QCOMPARE(FileBytes(records), original);
        QVERIFY(Module1::SaveRecords());
        QCOMPARE(FileBytes(records), QByteArray("Anna\r\n12 : 40\r\n"));
        QCOMPARE(QDir(game.Folder()).entryList(QDir::Files | QDir::Hidden).filter("scores"), QStringList{"scores.txt"});
    }
};

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The player's folder of a test, never the real one.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setApplicationName("dezudor");
    if (const int status = childgame::Main(argc, argv); status >= 0)
        return status;
    TestWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windows.moc"
