#include "iconfile.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

namespace {

void put16(QByteArray& out, quint16 value)
{
    const quint16 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void put32(QByteArray& out, quint32 value)
{
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

} // namespace

bool SaveIconFile(const QList<QImage>& sizes, const QString& path)
{
    QList<QByteArray> pngs;
    for (const QImage& image : sizes) {
        QByteArray png;
        QBuffer buffer(&png);
        if (image.width() > 256 || image.height() > 256 || !buffer.open(QIODevice::WriteOnly)
            || !image.save(&buffer, "PNG"))
            return false;
        pngs.append(png);
    }
    constexpr int headerSize = 6;
    constexpr int entrySize = 16;
    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // an icon, not a cursor
    put16(out, quint16(pngs.size()));
    quint32 offset = headerSize + entrySize * quint32(pngs.size());
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        // A side of 256 is written as 0.
        out.append(char(sizes[i].width() % 256));
        out.append(char(sizes[i].height() % 256));
        out.append(char(0)); // no palette
        out.append(char(0));
        put16(out, 1);  // planes
        put16(out, 32); // bits per pixel
        put32(out, quint32(pngs[i].size()));
        put32(out, offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        out += png;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size() && file.flush();
}
