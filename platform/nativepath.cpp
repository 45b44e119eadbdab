#include "nativepath.h"

#include <QFile>

namespace platform {

std::filesystem::path NativePath(const QString& path)
{
#ifdef Q_OS_WIN
    return {path.toStdWString()};
#else
    return {QFile::encodeName(path).toStdString()};
#endif
}

std::optional<QString> QtPath(const std::filesystem::path& path)
{
#ifdef Q_OS_WIN
    return QString::fromStdWString(path.native());
#else
    const QByteArray bytes = QByteArray::fromStdString(path.native());
    QString text = QFile::decodeName(bytes);
    if (QFile::encodeName(text) != bytes)
        return std::nullopt;
    return text;
#endif
}

} // namespace platform
