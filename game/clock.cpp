#include "boardcontrols.h"
#include "boardevents.h"
#include "module1.h"

namespace BoardEvents {

using namespace Module1;

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

void Timer1_Timer()
{
    ClockSeconds = ClockSeconds + 1;
    if (ClockSeconds == 60) {
        ClockMinutes = ClockMinutes + 1;
        ClockSeconds = 0;
    }
    Forms::board.Load().Label1->setText(ClockText(ClockMinutes, ClockSeconds));
}

} // namespace BoardEvents
