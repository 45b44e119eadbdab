#include "random.h"

#include <chrono>

namespace platform {

namespace {

quint64 state = 0x853c49e6748fea9bULL;

qint64 systemClock()
{
    return std::chrono::steady_clock::now().time_since_epoch().count();
}

std::function<qint64()>& clock()
{
    static std::function<qint64()> source = systemClock;
    return source;
}

// SplitMix64's finaliser: spreads every input bit over the whole word.
quint64 mix(quint64 z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

} // namespace

void Randomize()
{
    state ^= mix(static_cast<quint64>(clock()()));
}

double Rnd()
{
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<double>(mix(state) >> 11) * 0x1.0p-53;
}

void SeedRandom(quint64 seed)
{
    state = seed;
}

void SetRandomClock(std::function<qint64()> source)
{
    clock() = source ? std::move(source) : systemClock;
}

} // namespace platform
