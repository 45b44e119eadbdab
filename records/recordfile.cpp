#include "recordfile.h"

#include "appfolder.h"
#include "codepage.h"
#include "errorreport.h"
#include "highevents.h"
#include "hightabcontrols.h"
#include "textfile.h"
#include "timetext.h"

#include <QDir>
#include <QRegularExpression>

#include <optional>

namespace Module1 {

namespace {

QString recordFilePath()
{
    return platform::AppFilePath(QStringLiteral("scores.txt"));
}

void sortByTime()
{
    for (int i = 0; i <= LastRecord - 1; ++i)
        for (int j = i + 1; j <= LastRecord; ++j)
            if (RecordSeconds[i] > RecordSeconds[j]) {
                std::swap(RecordSeconds[i], RecordSeconds[j]);
                SwapText = RecordTexts[i];
                RecordTexts[i] = RecordTexts[j];
                RecordTexts[j] = SwapText;
            }
}

// A name is one line of the file: should a line break reach the lists, only
// what stands before it is written.
QByteArray fileLine(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
    return platform::ToCodePage(text.left(text.indexOf(lineBreak)));
}

bool saveLines(const QList<QByteArray>& lines)
{
    // The player's records may still be in a file the game cannot read.
    if (RecordFileUnreadable)
        return false;
    QString error;
    if (platform::WriteLines(recordFilePath(), lines, &error)) {
        RecordSaveFailureReported = false;
        return true;
    }
    // Every later save would fail the same way; one message says it all.
    if (!RecordSaveFailureReported)
        platform::ReportError(QStringLiteral("A rekordlista nem menthető ide:\n%1\n\n(%2)\n\n"
                                             "Az eddigi rekordok a játék végéig megmaradnak.")
                                  .arg(QDir::toNativeSeparators(recordFilePath()), error));
    RecordSaveFailureReported = true;
    return false;
}

} // namespace

void LoadRecords()
{
    QList<QByteArray> lines;
    if (platform::ReadLines(recordFilePath(), lines) == platform::FileRead::Unreadable && !RecordFileUnreadable) {
        RecordFileUnreadable = true;
        platform::ReportError(QStringLiteral("A rekordlista nem olvasható:\n%1\n\n"
                                             "A fájl érintetlen marad: ebben a játékban az új rekordok nem menthetők.")
                                  .arg(QDir::toNativeSeparators(recordFilePath())));
    }
    LoadRecordLines(lines);
}

void LoadRecordLines(const QList<QByteArray>& lines)
{
    for (RecordText& slot : RecordTexts)
        slot = {};

    // A file that is not as the game writes it is read as far as the table
    // goes; a name line without its time line keeps an empty time.
    int slot = 0;
    qsizetype next = 0;
    while (next < lines.size() && slot < RecordSlots) {
        RecordLine = platform::FromCodePage(lines.at(next++));
        RecordTexts[slot].Name = RecordLine;
        RecordLine = next < lines.size() ? platform::FromCodePage(lines.at(next++)) : QString();
        RecordTexts[slot].Time = RecordLine;
        ++slot;
    }
    LastRecord = static_cast<qint16>(slot - 1);

    for (int i = 0; i <= LastRecord; ++i)
        RecordSeconds[i] = ClockTextSeconds(RecordTexts[i].Time);
    sortByTime();

    HightabControls& hightab = Forms::hightab.Load();
    for (int i = 0; i <= 9; ++i)
        if (!RecordTexts[i].Name.isEmpty()) {
            hightab.List1->addItem(RecordTexts[i].Name);
            hightab.List2->addItem(RecordTexts[i].Time);
        }
}

QList<QByteArray> RecordFileLines()
{
    const HightabControls& hightab = Forms::hightab.Load();
    QList<QByteArray> lines;
    for (int k = 0; k <= hightab.List1->count() - 1; ++k) {
        lines.append(fileLine(hightab.List1->item(k)->text()));
        const QListWidgetItem* time = hightab.List2->item(k);
        lines.append(fileLine(time ? time->text() : QString()));
    }
    return lines;
}

bool SaveRecords()
{
    return saveLines(RecordFileLines());
}

void SaveRecordsAtEnd()
{
    if (!Forms::hightab.IsLoaded())
        return;
    // A record earned but not yet confirmed is the player's all the same: it
    // goes last, as "Rendben" saves it. No window changes here, as the
    // display may be gone already.
    QList<QByteArray> lines = RecordFileLines();
    if (const std::optional<RecordText> record = HighEvents::UnconfirmedRecord())
        lines << fileLine(record->Name) << fileLine(record->Time);
    saveLines(lines);
}

} // namespace Module1
