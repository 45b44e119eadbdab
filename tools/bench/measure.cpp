#include "measure.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace bench {

double Median(QList<double> readings)
{
    if (readings.isEmpty())
        return 0;
    std::sort(readings.begin(), readings.end());
    const qsizetype middle = readings.size() / 2;
    return readings.size() % 2 ? readings[middle] : (readings[middle - 1] + readings[middle]) / 2;
}

QList<double> TimeEach(int repeats, const std::function<void()>& step, const std::function<void()>& prepare)
{
    QList<double> readings;
    readings.reserve(repeats);
    QElapsedTimer timer;
    for (int i = 0; i < repeats; ++i) {
        if (prepare)
            prepare();
        timer.start();
        step();
        readings.append(double(timer.nsecsElapsed()) / 1e6);
    }
    return readings;
}

qint64 PeakResidentKiBOf(const QString& statusFile)
{
    QFile status(statusFile);
    if (status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray& line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

qint64 PeakResidentKiB()
{
    if (const qint64 peak = PeakResidentKiBOf(QStringLiteral("/proc/self/status")); peak > 0)
        return peak;
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
#ifdef Q_OS_MACOS
    return usage.ru_maxrss / 1024; // bytes there
#else
    return usage.ru_maxrss;
#endif
#else
    return 0;
#endif
}

double CpuMilliseconds()
{
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
#else
    return 0;
#endif
}

bool Row::Met() const
{
    const bool ours = MaxOurs < 0 || Ours <= MaxOurs;
    const bool ratio = MaxRatio < 0 || (Baseline > 0 && Ours / Baseline <= MaxRatio);
    return ours && ratio;
}

void PrintTable(const QList<Row>& rows)
{
    QTextStream out(stdout);
    const auto number = [](double value) { return QString::number(value, 'f', value < 10 ? 3 : 1); };
    out << QStringLiteral("%1 %2 %3 %4  %5  %6\n")
               .arg(QStringLiteral("measure"), -48)
               .arg(QStringLiteral("ours"), 10)
               .arg(QStringLiteral("baseline"), 10)
               .arg(QStringLiteral("ratio"), 6)
               .arg(QStringLiteral("target"), -22)
               .arg(QStringLiteral("result"));
    for (const Row& row : rows) {
        QStringList targets;
        if (row.MaxOurs >= 0)
            targets.append(QStringLiteral("<= %1 %2").arg(row.MaxOurs).arg(row.Unit));
        if (row.MaxRatio >= 0)
            targets.append(QStringLiteral("ratio <= %1").arg(row.MaxRatio));
        out << QStringLiteral("%1 %2 %3 %4  %5  %6\n")
                   .arg(row.Measure + QStringLiteral(" (") + row.Unit + QStringLiteral(")"), -48)
                   .arg(number(row.Ours), 10)
                   .arg(number(row.Baseline), 10)
                   .arg(row.Baseline > 0 ? QString::number(row.Ours / row.Baseline, 'f', 2) : QStringLiteral("-"), 6)
                   .arg(targets.join(QStringLiteral(", ")), -22)
                   .arg(row.Met() ? QStringLiteral("ok") : QStringLiteral("MISSED"));
    }
}

} // namespace bench
