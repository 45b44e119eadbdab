#include "endprogram.h"

#include <QCoreApplication>

namespace platform {

namespace {
void quitEventLoop()
{
    QCoreApplication::exit(0);
}

std::function<void()>& ender()
{
    static std::function<void()> end = quitEventLoop;
    return end;
}
} // namespace

void EndProgram()
{
    ender()();
}

void SetEndProgram(std::function<void()> end)
{
    ender() = end ? std::move(end) : quitEventLoop;
}

} // namespace platform
