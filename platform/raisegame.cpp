#include "raisegame.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace platform {

#ifdef Q_OS_WIN

namespace {

struct WindowSearch {
    DWORD process;
    HWND found;
};

// The game's own windows have no owner; its hidden ones do not count.
BOOL CALLBACK findGameWindow(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process != search->process || !::IsWindowVisible(window) || ::GetWindow(window, GW_OWNER) != nullptr)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

bool RaiseGameWindow(qint64 pid, int timeoutMs)
{
    WindowSearch search{static_cast<DWORD>(pid), nullptr};
    ::EnumWindows(findGameWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return false;
    DWORD_PTR ignored = 0;
    if (::SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, UINT(timeoutMs), &ignored)
        == 0)
        return false;
    if (::IsIconic(search.found))
        ::ShowWindow(search.found, SW_RESTORE);
    // The player has just started us, so we may hand the front to the game.
    ::SetForegroundWindow(search.found);
    return true;
}

#else

bool RaiseGameWindow(qint64, int)
{
    return false;
}

#endif

} // namespace platform
