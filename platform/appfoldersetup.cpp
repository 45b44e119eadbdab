#include "appfolder.h"

#include "nativepath.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

#include <filesystem>
#include <optional>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#include <string>

#include <windows.h>
#endif

// Paths stay as the system spells them (bytes on Unix) until the chosen
// folder is handed to Qt: a folder whose bytes do not survive decoding and
// encoding again cannot be opened through Qt, so it is never chosen.
namespace platform {

namespace {

namespace fs = std::filesystem;

fs::path executableFolder()
{
#ifdef Q_OS_LINUX
    // Read from the system, not from Qt, so that no byte of it is lost.
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        return executable.parent_path();
#endif
    return NativePath(QCoreApplication::applicationDirPath());
}

bool isWritableFolder(const fs::path& folder)
{
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return false;
#ifdef Q_OS_WIN
    // A folder's read-only flag means nothing to Windows, and Qt reports
    // Program Files as writable: only a file made there tells.
    const fs::path probe = folder / (L".dezudor-probe-" + std::to_wstring(::GetCurrentProcessId()));
    const HANDLE file = ::CreateFileW(probe.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    ::CloseHandle(file);
    return true;
#else
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
#endif
}

// The folder a game folder is filled from. An installed game keeps its
// pictures in its data folder, found relative to the executable; any other
// copy is portable and keeps them beside the executable. The layout decides,
// not one of the pictures, which the player may have lost.
fs::path gameFiles(const fs::path& executableFolder)
{
    const fs::path installed = (executableFolder / DEZUDOR_INSTALLED_PICTURES).lexically_normal();
    std::error_code error;
    return fs::is_directory(installed, error) ? installed : executableFolder;
}

// Copies through a temporary name, so that a start cut off mid-copy never
// leaves a broken file that later starts would keep as the player's. The
// copy is the player's to write, whatever a read-only source allowed.
void copyWhole(const fs::path& source, const fs::path& target)
{
    // Appended piece by piece: GCC 12's optimiser misreads a "." + name chain.
    fs::path partName(".");
    partName += target.filename();
    partName += ".part";
    fs::path part = target;
    part.replace_filename(partName);
    std::error_code error;
    fs::remove(part, error);
    if (fs::copy_file(source, part, error)) {
        fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
        if (!error)
            fs::rename(part, target, error);
    }
    if (error)
        fs::remove(part, error);
}

// Adds every picture the player's folder lacks, and the record list of a
// portable copy that cannot be written, so that its records move along once.
// A present file (even a link or a damaged file) is the player's and stays
// as it is.
void addMissingFiles(const fs::path& source, const fs::path& target)
{
    std::error_code error;
    fs::directory_iterator entry(source, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error)) {
        const fs::path& file = entry->path();
        std::error_code kind;
        if ((file.extension() != ".jpg" && file.filename() != "scores.txt") || !entry->is_regular_file(kind))
            continue;
        const fs::path copy = target / file.filename();
        if (fs::symlink_status(copy, kind).type() == fs::file_type::not_found)
            copyWhole(file, copy);
    }
}

std::optional<QString> playerFolder(const fs::path& files, const fs::path& executable)
{
    const QString location = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (location.isEmpty())
        return std::nullopt;
    const fs::path folder = NativePath(location);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !isWritableFolder(folder))
        return std::nullopt;
    addMissingFiles(files, folder);
    // A record list the player put beside an installed program (the
    // original game kept it there) moves along once too.
    if (files != executable) {
        const fs::path records = folder / "scores.txt";
        if (fs::symlink_status(records, error).type() == fs::file_type::not_found
            && fs::is_regular_file(executable / "scores.txt", error))
            copyWhole(executable / "scores.txt", records);
    }
    return QtPath(folder);
}

} // namespace

void SetUpAppFolder()
{
    const fs::path executable = executableFolder();
    const fs::path files = gameFiles(executable);
    const std::optional<QString> filesText = QtPath(files);
    if (filesText && files == executable && isWritableFolder(executable)) {
        SetAppFolder(*filesText);
        return;
    }
    if (const std::optional<QString> own = playerFolder(files, executable)) {
        SetAppFolder(*own);
        return;
    }
    // Nothing can be written: the game plays from the files it has, and the
    // first save says where it could not save.
    SetAppFolder(filesText.value_or(QFile::decodeName(QByteArray::fromStdString(files.string()))));
}

} // namespace platform
