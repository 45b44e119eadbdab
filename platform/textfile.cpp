#include "textfile.h"

#include <QSaveFile>

namespace platform {

FileRead ReadLines(const QString& path, QList<QByteArray>& lines)
{
    lines.clear();
    QByteArray content;
    const FileRead state = ReadRegularFile(path, TextFileLimit, content);
    qsizetype start = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content.at(i);
        if (c != '\n' && c != '\r')
            continue;
        lines.append(content.mid(start, i - start));
        if (c == '\r' && i + 1 < content.size() && content.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < content.size())
        lines.append(content.mid(start));
    return state;
}

bool WriteLines(const QString& path, const QList<QByteArray>& lines, QString* error)
{
    QByteArray content;
    for (const QByteArray& line : lines)
        content += line + "\r\n";

    if (!RemoveLink(path)) {
        if (error)
            *error = QStringLiteral("symbolic link");
        return false;
    }
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    // A full disk shows as a short write or a short file: then the temporary
    // file is dropped and the old one stays byte for byte.
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.flush()
        && file.size() == content.size() && file.commit())
        return true;
    if (error)
        *error = file.errorString().isEmpty() ? QStringLiteral("short write") : file.errorString();
    file.cancelWriting();
    return false;
}

} // namespace platform
