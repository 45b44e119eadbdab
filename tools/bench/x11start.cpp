#include "x11start.h"

#include "gamefolder.h"
#include "report.h"
#include "x11session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <functional>

namespace bench {

namespace {

// From exec: start-up, first paint and idle, as the figures were first taken.
constexpr int CountedSeconds = 8;
// Long enough for the window to be shown, even on a busy machine.
constexpr int SettleSeconds = 3;
constexpr int EndTimeoutMs = 60000;

struct Program {
    QString Path;
    QStringList Arguments;
};

// Starts `program`, lets it run `seconds` and asks it to end, as the end
// of a session does; `whileRunning` reads the live process first.
void runFor(const X11Session& session, const Program& program, int seconds,
    const std::function<void(qint64 pid)>& whileRunning = {})
{
    const QString command = (QStringList{program.Path} + program.Arguments).join(QLatin1Char(' '));
    QProcess child;
    child.setProcessEnvironment(session.Environment());
    child.setStandardOutputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());
    child.start(program.Path, program.Arguments);
    if (!child.waitForStarted()) {
        NoteFailure(QStringLiteral("cannot start %1").arg(command));
        return;
    }
    if (child.waitForFinished(seconds * 1000)) {
        NoteFailure(QStringLiteral("ended before it was measured: %1").arg(command));
        return;
    }
    if (whileRunning)
        whileRunning(child.processId());
    child.terminate();
    if (!child.waitForFinished(EndTimeoutMs)) {
        NoteFailure(QStringLiteral("no end within %1 s of SIGTERM: %2").arg(EndTimeoutMs / 1000).arg(command));
        child.kill();
        child.waitForFinished();
    }
}

// Millions of instructions from exec to CountedSeconds later and the end.
double instructions(const X11Session& session, const Program& program, const QString& profile)
{
    QFile::remove(profile);
    const Program profiled{QStringLiteral("valgrind"),
        QStringList{QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=") + profile, program.Path}
            + program.Arguments};
    runFor(session, profiled, CountedSeconds);
    QFile file(profile);
    if (file.open(QIODevice::ReadOnly))
        for (const QByteArray& line : file.readAll().split('\n'))
            if (line.startsWith("totals:") || line.startsWith("summary:"))
                return line.split(' ').value(1).toDouble() / 1e6;
    NoteFailure(QStringLiteral("no instruction count from callgrind for %1").arg(program.Path));
    return 0;
}

struct Resident {
    double PeakMiB = 0;
    QSet<QString> Libraries; // file names of the shared libraries mapped
};

Resident resident(const X11Session& session, const Program& program)
{
    Resident found;
    runFor(session, program, SettleSeconds, [&found](qint64 pid) {
        const QString proc = QStringLiteral("/proc/%1/").arg(pid);
        found.PeakMiB = double(PeakResidentKiBOf(proc + QStringLiteral("status"))) / 1024;
        QFile maps(proc + QStringLiteral("maps"));
        if (!maps.open(QIODevice::ReadOnly))
            return;
        for (const QByteArray& line : maps.readAll().split('\n')) {
            const QString name = QFileInfo(QString::fromLocal8Bit(line.simplified().split(' ').value(5))).fileName();
            if (name.contains(QLatin1String(".so")))
                found.Libraries.insert(name);
        }
    });
    return found;
}

} // namespace

QList<Row> X11StartRows(int instructionRuns, int memoryRuns)
{
    if (const QStringList missing = MissingX11Tools(); !missing.isEmpty()) {
        NoteFailure(QStringLiteral("the X11 rows need %1").arg(missing.join(QStringLiteral(", "))));
        return {};
    }
    const X11Session session;
    const GameFolder folder;
    QTemporaryDir profiles;
    if (!session.IsValid() || !folder.IsValid() || !profiles.isValid())
        return {};
    // The game as installed: an executable beside its pictures.
    const QString game = QDir(folder.Path()).filePath(QStringLiteral("dezudor"));
    if (!QFile::copy(QDir(QStringLiteral(DEZUDOR_RUN_DIR)).filePath(QStringLiteral("dezudor")), game)) {
        NoteFailure(QStringLiteral("cannot copy the game; build it first"));
        return {};
    }
    const Program programs[2] = {{game, {}},
        {QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("dezudor-least")),
            {folder.Path(), QStringLiteral(DEZUDOR_GENERATED_DIR)}}};

    QList<double> counts[2];
    QList<double> peaks[2];
    Resident last[2];
    for (int run = 0; run < qMax(instructionRuns, memoryRuns); ++run)
        for (int p = 0; p < 2; ++p) {
            // The game saves its record list at the end: every start finds the same one.
            if (run < instructionRuns && WriteFullRecordFile(folder.Path()))
                counts[p].append(
                    instructions(session, programs[p], profiles.filePath(QStringLiteral("callgrind.out"))));
            if (run < memoryRuns && WriteFullRecordFile(folder.Path())) {
                last[p] = resident(session, programs[p]);
                peaks[p].append(last[p].PeakMiB);
            }
        }

    const QSet<QString> extra = last[0].Libraries - last[1].Libraries;
    if (!extra.isEmpty())
        Progress(QStringLiteral("libraries only the game maps: %1").arg(QStringList(extra.values()).join(' ')));
    Row instructionsRow{QStringLiteral("X11: whole start to %1 s after exec").arg(CountedSeconds),
        QStringLiteral("M instr"), Median(counts[0]), Median(counts[1])};
    instructionsRow.MaxRatio = 1.05;
    Row memoryRow{
        QStringLiteral("X11: peak resident memory"), QStringLiteral("MiB"), Median(peaks[0]), Median(peaks[1])};
    memoryRow.MaxRatio = 1.03;
    Row librariesRow{
        QStringLiteral("X11: libraries beyond the least program"), QStringLiteral("files"), double(extra.size())};
    librariesRow.MaxOurs = 0;
    return {instructionsRow, memoryRow, librariesRow};
}

} // namespace bench
