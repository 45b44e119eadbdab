#include "clock.h"

#include "boardcontrols.h"
#include "boardmodel.h"

namespace Module1 {

namespace {
QString twoDigits(double value)
{
    const QString digits = QString::number(value, 'f', 0);
    return value < 10 ? QStringLiteral("0") + digits : digits;
}
} // namespace

QString ClockText(double minutes, double seconds)
{
    return twoDigits(minutes) + QStringLiteral(" : ") + twoDigits(seconds);
}

void ClockTick()
{
    ClockSeconds = ClockSeconds + 1;
    if (ClockSeconds == 60) {
        ClockMinutes = ClockMinutes + 1;
        ClockSeconds = 0;
    }
    Forms::board().Label1->setText(ClockText(ClockMinutes, ClockSeconds));
}

} // namespace Module1
