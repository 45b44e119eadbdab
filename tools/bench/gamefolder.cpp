#include "gamefolder.h"

#include "codepage.h"
#include "report.h"

#include <QDir>
#include <QFile>

namespace bench {

GameFolder::GameFolder()
{
    if (!dir_.isValid()) {
        NoteFailure(QStringLiteral("cannot make a temporary folder"));
        return;
    }
    const QDir source(QStringLiteral(DEZUDOR_RUN_DIR));
    const QStringList pictures = source.entryList({QStringLiteral("*.jpg")}, QDir::Files);
    if (pictures.isEmpty()) {
        NoteFailure(QStringLiteral("no pictures in %1; build the pictures target").arg(source.path()));
        return;
    }
    for (const QString& name : pictures)
        if (!QFile::copy(source.filePath(name), QDir(dir_.path()).filePath(name))) {
            NoteFailure(QStringLiteral("cannot copy %1").arg(name));
            return;
        }
    valid_ = WriteFullRecordFile(dir_.path());
}

QString PicturePath(const QString& folder, int k)
{
    return QDir(folder).filePath(QString::number(k) + QStringLiteral(".jpg"));
}

namespace {

// The record file with all 15 slots taken, in the game's own format.
QByteArray fullRecordFile()
{
    static const char16_t* const names[] = {u"Olga", u"Béla", u"Csilla", u"Dénes", u"Edit", u"Ferenc", u"Gizella",
        u"Hunor", u"Ilona", u"János", u"Kata", u"László", u"Márta", u"Nándor", u"Ödön"};
    QByteArray file;
    int seconds = 1500;
    for (const char16_t* name : names) {
        // Times out of order, so that the load has sorting to do.
        seconds = (seconds * 7 + 131) % 3600;
        const QString time = QStringLiteral("%1 : %2")
                                 .arg(seconds / 60, 2, 10, QLatin1Char('0'))
                                 .arg(seconds % 60, 2, 10, QLatin1Char('0'));
        file += platform::ToCodePage(QString::fromUtf16(name)) + "\r\n" + platform::ToCodePage(time) + "\r\n";
    }
    return file;
}

} // namespace

QString RecordFilePath(const QString& folder)
{
    return QDir(folder).filePath(QStringLiteral("scores.txt"));
}

bool WriteFullRecordFile(const QString& folder)
{
    QFile file(RecordFilePath(folder));
    const QByteArray content = fullRecordFile();
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size())
        return true;
    NoteFailure(QStringLiteral("cannot write %1").arg(file.fileName()));
    return false;
}

} // namespace bench
