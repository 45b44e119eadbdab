// Prints one table of the game's speed and memory, each figure beside a
// baseline measured in the same run. Run through "./dev bench".
#include "childprocess.h"
#include "children.h"
#include "forms.h"
#include "gamefolder.h"
#include "gamesetup.h"
#include "inprocess.h"
#include "measure.h"
#include "report.h"
#include "x11start.h"

#include <QApplication>

#include <cstdio>

namespace {

constexpr int StartUpRuns = 15;
// Instruction counts hardly move between runs; memory moves a little more.
constexpr int X11InstructionRuns = 3;
constexpr int X11MemoryRuns = 5;
constexpr int Repeats = 2000;

bench::Row ratioRow(const QString& measure, const QString& unit, const QList<double>& ours,
    const QList<double>& baseline, double maxRatio)
{
    bench::Row row{measure, unit, bench::Median(ours), bench::Median(baseline)};
    row.MaxRatio = maxRatio;
    return row;
}

// Fresh processes, the three kinds taking turns so that a busy moment of
// the machine spreads over all of them.
QList<bench::Row> startUpRows(const QString& folder)
{
    const char* const roles[3] = {bench::StartUpBoard, bench::StartUpBare, bench::StartUpBareText};
    QList<double> times[3];
    QList<double> memory[3];
    for (int run = 0; run < StartUpRuns; ++run)
        for (int r = 0; r < 3; ++r) {
            const QHash<QString, double> figures = bench::RunChild(QString::fromLatin1(roles[r]), folder, 0, 60);
            times[r].append(figures.value(QStringLiteral("milliseconds")));
            memory[r].append(figures.value(QStringLiteral("peak-kib")) / 1024);
        }
    const QString withText = QStringLiteral("  the same, baseline with one text label");
    return {
        ratioRow(QStringLiteral("start-up to painted dealt board"), QStringLiteral("ms"), times[0], times[1], 1.15),
        ratioRow(withText, QStringLiteral("ms"), times[0], times[2], 1.15),
        ratioRow(
            QStringLiteral("peak resident memory after start-up"), QStringLiteral("MiB"), memory[0], memory[1], 1.10),
        ratioRow(withText, QStringLiteral("MiB"), memory[0], memory[2], 1.10),
    };
}

bench::Row idleRow(const QString& folder, int seconds)
{
    const int timeout = seconds + 60;
    const auto perMinute = [&](const char* role) {
        return bench::RunChild(QString::fromLatin1(role), folder, seconds, timeout).value(QStringLiteral("cpu-ms")) * 60
            / seconds;
    };
    bench::Row row{QStringLiteral("CPU time of an idle minute"), QStringLiteral("ms")};
    row.Ours = perMinute(bench::IdleBoard);
    row.Baseline = perMinute(bench::IdleBare);
    row.MaxOurs = 50;
    return row;
}

} // namespace

int main(int argc, char* argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() == 4 && arguments[0] == QLatin1String(bench::ChildFlag))
        return bench::RunRole(arguments[1], arguments[2], arguments[3].toInt(), sinceStart);

    int idleSeconds = 60;
    if (arguments.size() == 2 && arguments[0] == QLatin1String("--idle-seconds")) {
        idleSeconds = qMax(1, arguments[1].toInt());
    } else if (!arguments.isEmpty()) {
        std::fprintf(stderr, "usage: dezudor-bench [--idle-seconds N]\n");
        return 2;
    }

    const bench::GameFolder folder;
    if (!folder.IsValid())
        return 1;
    bench::Progress(QStringLiteral("start-up, %1 runs of each window").arg(StartUpRuns));
    QList<bench::Row> rows = startUpRows(folder.Path());
    bench::Progress(QStringLiteral("a whole start under X11, %1 runs under callgrind and %2 without")
                        .arg(X11InstructionRuns)
                        .arg(X11MemoryRuns));
    rows += bench::X11StartRows(X11InstructionRuns, X11MemoryRuns);
    bench::Progress(QStringLiteral("deals, moves and the record file, %1 rounds each").arg(Repeats));
    rows += bench::InProcess(folder.Path(), Repeats);
    bench::Progress(QStringLiteral("an idle game, %1 s for each window").arg(idleSeconds));

    rows.append(idleRow(folder.Path(), idleSeconds));
    bench::PrintTable(rows);
    ui::UnloadForms();
    return bench::AnyFailure() ? 1 : 0;
}
