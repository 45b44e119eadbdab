#include "report.h"

#include <cstdio>

namespace bench {

namespace {
bool failed = false;
}

void PrintFigure(const char* name, double value)
{
    std::printf("%s %.6f\n", name, value);
    std::fflush(stdout);
}

void NoteFailure(const QString& why)
{
    std::fprintf(stderr, "dezudor-bench: %s\n", qPrintable(why));
    failed = true;
}

bool AnyFailure()
{
    return failed;
}

void Progress(const QString& step)
{
    std::fprintf(stderr, "dezudor-bench: %s\n", qPrintable(step));
}

} // namespace bench
