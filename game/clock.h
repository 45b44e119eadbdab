#pragma once

#include <QString>

namespace Module1 {

// "mm : ss", each number with a "0" in front when below 10.
QString ClockText(double minutes, double seconds);

// One second of the game clock, shown in the clock label.
void ClockTick();

} // namespace Module1
