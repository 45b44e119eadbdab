#pragma once

#include <QString>

namespace Module1 {

// The seconds of a clock text, read by fixed places: characters 1-2 are the
// minutes and characters 6-7 the seconds, as in "03 : 27". A piece that does
// not begin with a number counts 0.
double ClockTextSeconds(const QString& time);

// The number a text begins with, blanks ignored; 0 when it begins with none.
double LeadingNumber(const QString& text);

} // namespace Module1
