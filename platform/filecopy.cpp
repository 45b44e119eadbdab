#include "filecopy.h"

#include "nativepath.h"
#include "regularfile.h"
#include "textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <string>
#include <string_view>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <dirent.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

constexpr qint64 CopyLimit = qint64{16} * 1024 * 1024;

// What the journal says of the copy, in its first line.
const QByteArray Prepare = "prepare"; // temporaries being written; targets untouched
const QByteArray Forward = "forward"; // decided: rename the new files over the targets
const QByteArray Back = "back";       // given up: put the saved old files back

struct Entry {
    QString Target;
    bool HadOld = false;
    QString New() const { return Target + QStringLiteral(".new"); }
    QString Old() const { return Target + QStringLiteral(".old"); }
};

// A fresh file, never one reached through a link of that name.
bool writeNewFile(const QString& path, const QByteArray& bytes)
{
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    const bool whole = file.write(bytes) == bytes.size() && file.flush() && file.size() == bytes.size();
    file.close();
    if (!whole)
        QFile::remove(path);
    return whole;
}

bool writeJournal(const QString& journal, const QByteArray& state, const QList<Entry>& entries)
{
    QList<QByteArray> lines{state};
    for (const Entry& entry : entries)
        lines.append((entry.HadOld ? "1\t" : "0\t") + QFile::encodeName(QFileInfo(entry.Target).fileName()));
    return WriteLines(journal, lines, nullptr);
}

void removeTemporaries(const QList<Entry>& entries)
{
    for (const Entry& entry : entries) {
        QFile::remove(entry.New());
        QFile::remove(entry.Old());
    }
}

// Puts the old files back; a target that had none and took its new file
// goes again.
bool undo(const QList<Entry>& entries)
{
    bool whole = true;
    for (const Entry& entry : entries) {
        if (entry.HadOld) {
            if (QFileInfo::exists(entry.Old()) && !RenameOver(entry.Old(), entry.Target))
                whole = false;
        } else if (!QFileInfo::exists(entry.New()) && QFileInfo(entry.Target).isFile()) {
            whole = QFile::remove(entry.Target) && whole;
        }
    }
    return whole;
}

bool redo(const QList<Entry>& entries, QString& failed)
{
    for (const Entry& entry : entries)
        if (QFileInfo::exists(entry.New()) && !RenameOver(entry.New(), entry.Target)) {
            failed = entry.Target;
            return false;
        }
    return true;
}

CopyFailure finish(const QString& journal, const QList<Entry>& entries, CopyFailure result)
{
    removeTemporaries(entries);
    QFile::remove(journal);
    return result;
}

// A journal cut off while it was being written leaves only its temporary,
// named after it. The folder holds over a hundred pictures: it is read by
// name alone, as the system lists it. A folder of such a name stays, as
// removing a file never removes one.
void removeStrayJournals(const QFileInfo& journal)
{
#ifdef Q_OS_WIN
    const std::wstring folder = NativePath(QDir::toNativeSeparators(journal.path())).native() + L'\\';
    const std::wstring prefix = NativePath(journal.fileName() + QLatin1Char('.')).native();
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileExW(
        (folder + prefix + L'*').c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        // The pattern also meets short names; only the real name counts.
        if (std::wstring_view(found.cFileName).starts_with(prefix))
            DeleteFileW((folder + found.cFileName).c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
#else
    const std::string prefix = NativePath(journal.fileName() + QLatin1Char('.')).native();
    DIR* folder = opendir(NativePath(journal.path()).c_str());
    if (!folder)
        return;
    while (const dirent* entry = readdir(folder))
        if (std::string_view(entry->d_name).starts_with(prefix))
            unlinkat(dirfd(folder), entry->d_name, 0);
    closedir(folder);
#endif
}

} // namespace

CopyFailure CopyFilesOver(const QList<FileCopy>& copies, const QString& journal)
{
    QList<Entry> entries;
    for (const FileCopy& copy : copies)
        entries.append({copy.Target});
    // A journal that cannot be made means a folder that cannot be written:
    // the player is told of the first file the copy would have replaced.
    if (!writeJournal(journal, Prepare, entries))
        return {CopyFailure::Unwritable, entries.isEmpty() ? journal : entries.first().Target};

    for (qsizetype i = 0; i < copies.size(); ++i) {
        QByteArray bytes;
        if (ReadRegularFile(copies[i].Source, CopyLimit, bytes) != FileRead::Read)
            return finish(journal, entries, {CopyFailure::Unreadable, copies[i].Source});
        if (!writeNewFile(entries[i].New(), bytes))
            return finish(journal, entries, {CopyFailure::Unwritable, entries[i].Target});
        // The old file is kept aside, so that a failed rename can be taken back.
        if (ReadRegularFile(entries[i].Target, CopyLimit, bytes) == FileRead::Read) {
            if (!writeNewFile(entries[i].Old(), bytes))
                return finish(journal, entries, {CopyFailure::Unwritable, entries[i].Target});
            entries[i].HadOld = true;
        }
    }

    if (!writeJournal(journal, Forward, entries))
        return finish(journal, entries, {CopyFailure::Unwritable, journal});
    QString failed;
    if (redo(entries, failed))
        return finish(journal, entries, {});
    if (writeJournal(journal, Back, entries) && undo(entries))
        return finish(journal, entries, {CopyFailure::Unwritable, failed});
    return {CopyFailure::Mixed, failed};
}

CopyFailure FinishInterruptedCopy(const QString& journal)
{
    const QFileInfo journalFile(journal);
    const QDir folder = journalFile.dir();
    removeStrayJournals(journalFile);

    QList<QByteArray> lines;
    if (ReadLines(journal, lines) != FileRead::Read || lines.isEmpty())
        return {};
    QList<Entry> entries;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        // Only names inside the journal's own folder.
        const QString name = QFile::decodeName(lines[i].mid(2));
        if (!name.isEmpty() && QFileInfo(name).fileName() == name && !name.startsWith(QLatin1Char('.')))
            entries.append({folder.filePath(name), lines[i].startsWith('1')});
    }

    QString failed;
    if (lines.first() == Forward && !redo(entries, failed))
        return {CopyFailure::Mixed, failed};
    if (lines.first() == Back && !undo(entries))
        return {CopyFailure::Mixed, journal};
    return finish(journal, entries, {});
}

} // namespace platform
