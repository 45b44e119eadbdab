#include "mainwindow.h"

namespace platform {

namespace {
std::function<void()>& registered()
{
    static std::function<void()> handler;
    return handler;
}
} // namespace

void SetMainWindowReturn(std::function<void()> handler)
{
    registered() = std::move(handler);
}

void ReturnToMainWindow()
{
    if (registered())
        registered()();
}

} // namespace platform
