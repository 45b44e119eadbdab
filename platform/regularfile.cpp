#include "regularfile.h"

#include "nativepath.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef Q_OS_UNIX

FileRead ReadRegularFile(const QString& path, qint64 limit, QByteArray& bytes)
{
    bytes.clear();
    const QByteArray name = QFile::encodeName(path);
    // O_NONBLOCK: a FIFO without a writer must not hold the game up.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? FileRead::Missing : FileRead::Unreadable; // a dangling link is missing too
    struct stat info = {};
    FileRead result = FileRead::Unreadable;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // Room for the file and a byte more, which tells that it ends; it
        // grows only for a file that grows while it is read.
        bytes.resize(std::min<qint64>(limit, info.st_size + 1));
        qint64 total = 0;
        ssize_t got = 0;
        do {
            if (total == bytes.size())
                bytes.resize(std::min<qint64>(limit, 2 * total));
            got = ::read(fd, bytes.data() + total, static_cast<size_t>(bytes.size() - total));
            if (got > 0)
                total += got;
        } while ((got > 0 || (got < 0 && errno == EINTR)) && total < limit);
        bytes.truncate(total);
        result = got < 0 ? FileRead::Unreadable : FileRead::Read;
    }
    ::close(fd);
    if (result != FileRead::Read)
        bytes.clear();
    return result;
}

#else

FileRead ReadRegularFile(const QString& path, qint64 limit, QByteArray& bytes)
{
    bytes.clear();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return FileRead::Missing;
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return FileRead::Unreadable;
    bytes = file.read(limit);
    return file.error() == QFileDevice::NoError ? FileRead::Read : FileRead::Unreadable;
}

#endif

bool RemoveLink(const QString& path)
{
    return !QFileInfo(path).isSymLink() || QFile::remove(path);
}

bool RenameOver(const QString& from, const QString& to)
{
    std::error_code error;
    std::filesystem::rename(NativePath(from), NativePath(to), error);
    return !error;
}

} // namespace platform
