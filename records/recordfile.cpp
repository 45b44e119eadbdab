#include "recordfile.h"

#include "appfolder.h"
#include "codepage.h"
#include "errorreport.h"
#include "highevents.h"
#include "recordrows.h"
#include "textfile.h"
#include "timetext.h"

#include <QDir>

#include <algorithm>
#include <optional>

namespace Module1 {

namespace {

// A name line of tens of MiB, left by another program, still costs no more
// than its own entry; the game itself writes lines of at most 32767
// characters (the name box's length).
constexpr qint64 RecordFileLimit = qint64{64} * 1024 * 1024;
constexpr qsizetype RecordLineLimit = qsizetype{1024} * 1024;
// Entries read at most: far more than any list a person keeps, few enough
// to read at once however short their lines.
constexpr int RecordEntryLimit = 10000;

QString recordFilePath()
{
    return platform::AppFilePath(QStringLiteral("scores.txt"));
}

struct Entry {
    RecordText Text;
    double Seconds = 0;
};

// The entries of a file as its lines come, two lines each. An entry with a
// line that is not whole is dropped with both its lines. Of a file with more
// entries than the table holds, the fastest stay.
class EntryReader {
public:
    // False once RecordEntryLimit entries are read.
    bool Take(QByteArrayView line, bool whole)
    {
        RecordLine = platform::FromUtf8OrCodePage(line);
        if (!name_) {
            name_ = RecordLine;
            nameWhole_ = whole;
            return true;
        }
        if (nameWhole_ && whole)
            keep(*name_, RecordLine);
        name_.reset();
        return ++read_ < RecordEntryLimit;
    }

    QList<Entry> Finish()
    {
        // A name line without its time line keeps an empty time.
        if (name_ && nameWhole_)
            keep(*name_, QString());
        if (entries_.size() > RecordSlots)
            keepFastest();
        return entries_;
    }

private:
    void keep(const QString& name, const QString& time)
    {
        entries_.append({{name, time}, ClockTextSeconds(time)});
        // A file of very many entries takes no more memory than a few.
        if (entries_.size() > qsizetype{4} * RecordSlots)
            keepFastest();
    }

    // Stable, so that of equal times the earlier in the file stays.
    void keepFastest()
    {
        std::stable_sort(
            entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.Seconds < b.Seconds; });
        entries_.resize(RecordSlots);
    }

    QList<Entry> entries_;
    int read_ = 0;
    std::optional<QString> name_;
    bool nameWhole_ = true;
};

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

void loadEntries(const QList<Entry>& entries)
{
    for (RecordText& slot : RecordTexts)
        slot = {};
    LastRecord = static_cast<qint16>(entries.size() - 1);
    for (int i = 0; i <= LastRecord; ++i) {
        RecordTexts[i] = entries.at(i).Text;
        RecordSeconds[i] = entries.at(i).Seconds;
    }
    sortByTime();

    QList<RecordText> bestTen;
    for (int i = 0; i <= 9; ++i)
        if (!RecordTexts[i].Name.isEmpty())
            bestTen.append(RecordTexts[i]);
    AppendRecordRows(bestTen);
}

// A name is one line of the file: should a line break reach the lists, only
// what stands before it is written.
QByteArray fileLine(const QString& text)
{
    const auto lineBreak = std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == u'\r' || c == u'\n'; });
    return platform::ToCodePage(text.first(lineBreak - text.cbegin()));
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
    EntryReader reader;
    if (platform::ForEachLine(recordFilePath(), RecordFileLimit, RecordLineLimit,
            [&reader](QByteArrayView line, bool whole) { return reader.Take(line, whole); })
            == platform::FileRead::Unreadable
        && !RecordFileUnreadable) {
        RecordFileUnreadable = true;
        platform::ReportError(QStringLiteral("A rekordlista nem olvasható:\n%1\n\n"
                                             "A fájl érintetlen marad: ebben a játékban az új rekordok nem menthetők.")
                                  .arg(QDir::toNativeSeparators(recordFilePath())));
    }
    loadEntries(reader.Finish());
}

void LoadRecordLines(const QList<QByteArray>& lines)
{
    EntryReader reader;
    for (const QByteArray& line : lines)
        reader.Take(line, true);
    loadEntries(reader.Finish());
}

QList<QByteArray> RecordFileLines()
{
    QList<QByteArray> lines;
    for (int k = 0; k <= RecordRowCount() - 1; ++k) {
        const RecordText row = RecordRow(k);
        lines << fileLine(row.Name) << fileLine(row.Time);
    }
    return lines;
}

bool SaveRecords()
{
    return saveLines(RecordFileLines());
}

void SaveRecordsAtEnd()
{
    if (!RecordRowsLoaded())
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
