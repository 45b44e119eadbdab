#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <functional>

// Timing and resource readings shared by every benchmark.
namespace bench {

// The median of the readings; 0 for none.
double Median(QList<double> readings);

// Runs `step` `repeats` times and returns each run's time in milliseconds;
// `prepare`, when given, runs untimed before each step.
QList<double> TimeEach(int repeats, const std::function<void()>& step, const std::function<void()>& prepare = {});

// The process's peak resident memory in KiB.
qint64 PeakResidentKiB();

// The peak resident memory that a /proc/PID/status file shows, in KiB; 0
// when it cannot be read.
qint64 PeakResidentKiBOf(const QString& statusFile);

// The CPU time, user and system, that the process has used, in milliseconds.
double CpuMilliseconds();

// One line of the table: our figure beside its baseline.
struct Row {
    QString Measure;
    QString Unit;
    double Ours = 0;
    double Baseline = 0;
    double MaxOurs = -1;  // absolute target on our figure; negative: none
    double MaxRatio = -1; // target on ours / baseline; negative: none

    bool Met() const;
};

void PrintTable(const QList<Row>& rows);

} // namespace bench
