#include "recordfilecheck.h"

#include "appfolder.h"
#include "codepage.h"
#include "errorreport.h"
#include "forms.h"
#include "highcontrols.h"
#include "hightabcontrols.h"
#include "recordfile.h"

#include <QFile>
#include <QTemporaryDir>

namespace recordfilecheck {

namespace {

QString lastReport;

QString scoresPath()
{
    return platform::AppFilePath(QStringLiteral("scores.txt"));
}

bool writeScores(const QByteArray& bytes)
{
    QFile file(scoresPath());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray readScores()
{
    QFile file(scoresPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The lists as a load from the file fills them, as the lines a save writes.
QList<QByteArray> loadShown()
{
    HightabControls& hightab = Forms::hightab.Load();
    hightab.List1->clear();
    hightab.List2->clear();
    Module1::LoadRecords();
    return Module1::RecordFileLines();
}

QString checkTable()
{
    using namespace Module1;
    const HightabControls& hightab = Forms::hightab.Load();
    if (LastRecord < -1 || LastRecord >= RecordSlots)
        return QStringLiteral("LastRecord out of range: %1").arg(LastRecord);
    for (int i = 0; i < LastRecord; ++i)
        if (RecordSeconds[i] > RecordSeconds[i + 1])
            return QStringLiteral("table not sorted at slot %1").arg(i);
    if (hightab.List1->count() != hightab.List2->count() || hightab.List1->count() > 10)
        return QStringLiteral("lists of %1 and %2 rows").arg(hightab.List1->count()).arg(hightab.List2->count());
    return {};
}

} // namespace

void Prepare()
{
    static QTemporaryDir folder;
    if (!folder.isValid())
        qFatal("cannot make a temporary folder");
    ui::RegisterForms();
    platform::SetAppFolder(folder.path());
    platform::SetErrorReporter([](const QString& text) { lastReport = text; });
}

QString CheckCodePage(const QByteArray& bytes)
{
    const QString text = platform::FromCodePage(bytes);
    if (text.size() != bytes.size())
        return QStringLiteral("%1 bytes read as %2 characters").arg(bytes.size()).arg(text.size());
    if (platform::ToCodePage(text) != bytes)
        return QStringLiteral("bytes do not come back unchanged");

    // The same bytes as UTF-16, to reach every character the writer may meet.
    const QString wide(reinterpret_cast<const QChar*>(bytes.constData()), bytes.size() / 2);
    const QByteArray written = platform::ToCodePage(wide);
    qsizetype i = 0;
    for (const char byte : written) {
        const QChar original = wide.at(i);
        if (byte != '?' && platform::FromCodePage(QByteArray(1, byte)).at(0) != original)
            return QStringLiteral("U+%1 written as byte %2").arg(original.unicode(), 4, 16).arg(quint8(byte));
        const bool pair = original.isHighSurrogate() && i + 1 < wide.size() && wide.at(i + 1).isLowSurrogate();
        i += pair ? 2 : 1;
    }
    if (i != wide.size())
        return QStringLiteral("%1 characters written as %2 bytes").arg(wide.size()).arg(written.size());
    return {};
}

QString CheckRecordFile(const QByteArray& bytes)
{
    if (!writeScores(bytes))
        return QStringLiteral("cannot write the test file");
    lastReport.clear();
    const QList<QByteArray> shown = loadShown();
    if (QString broken = checkTable(); !broken.isEmpty())
        return broken;

    Module1::SaveRecords();
    const QByteArray saved = readScores();
    if (!lastReport.isEmpty())
        return QStringLiteral("save reported: ") + lastReport;
    if (!saved.isEmpty() && !saved.endsWith("\r\n"))
        return QStringLiteral("saved file does not end with CR LF");

    if (loadShown() != shown)
        return QStringLiteral("a saved file loads differently");
    Module1::SaveRecords();
    if (readScores() != saved)
        return QStringLiteral("saving twice gives two files");
    return {};
}

} // namespace recordfilecheck
