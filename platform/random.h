#pragma once

#include <QtGlobal>

#include <functional>

namespace platform {

// Re-seeds the generator from the clock. The clock is mixed into the running
// state, so re-seeding with a clock that stands still never restarts the
// sequence: the next draws still move on.
void Randomize();

// A uniform number x with 0 <= x < 1.
double Rnd();

// Tests make the generator deterministic: a fixed starting state and a clock
// of their own.
void SeedRandom(quint64 state);
void SetRandomClock(std::function<qint64()> clock);

} // namespace platform
