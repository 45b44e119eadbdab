#include "textfile.h"

#include <QSaveFile>

#include <algorithm>

namespace platform {

FileRead ForEachLine(const QString& path, qint64 fileLimit, qsizetype lineLimit, const LineTaker& take)
{
    QByteArray content;
    // One byte past the limit tells a file that goes on from one that ends there.
    const FileRead state = ReadRegularFile(path, fileLimit + 1, content);
    const bool cutOff = content.size() > fileLimit;
    content.truncate(fileLimit);
    const char* const end = content.constData() + content.size();
    const auto hand = [&](const char* from, const char* to, bool whole) {
        whole = whole && to - from <= lineLimit;
        return take(whole ? QByteArrayView(from, to - from) : QByteArrayView(), whole);
    };
    const auto lineEnd = [](char c) { return c == '\n' || c == '\r'; };
    // Only a line in UTF-8 has a UTF-8 mark: before a line in another code
    // page, the same bytes are that line's first characters.
    const char* const firstEnd = std::find_if(content.constData(), end, lineEnd);
    const bool marked
        = content.startsWith("\xef\xbb\xbf") && QByteArrayView(content.constData(), firstEnd).isValidUtf8();
    const char* start = content.constData() + (marked ? 3 : 0);
    for (;;) {
        const char* const stop = std::find_if(start, end, lineEnd);
        if (stop == end) {
            // The last line needs no end; what goes on past the limit is one
            // line that is not whole.
            if (start != end || cutOff)
                hand(start, end, !cutOff);
            return state;
        }
        if (!hand(start, stop, true))
            return state;
        start = stop + (*stop == '\r' && stop + 1 != end && stop[1] == '\n' ? 2 : 1);
    }
}

FileRead ReadLines(const QString& path, QList<QByteArray>& lines)
{
    lines.clear();
    return ForEachLine(path, TextFileLimit, TextFileLimit, [&lines](QByteArrayView line, bool whole) {
        if (whole)
            lines.append(line.toByteArray());
        return true;
    });
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
