#include "termination.h"

#include "errorreport.h"

#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <utility>

#ifdef Q_OS_UNIX
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>
#endif

namespace platform {

namespace {

std::function<void()>& exitSave()
{
    static std::function<void()> save;
    return save;
}

void saveOnExit()
{
    if (auto save = std::exchange(exitSave(), nullptr)) {
        ReportErrorsToStandardError();
        save();
    }
}

} // namespace

void SaveOnUnexpectedExit(std::function<void()> save)
{
    static const bool registered = std::atexit(saveOnExit) == 0;
    if (registered)
        exitSave() = std::move(save);
}

void ExpectExit()
{
    exitSave() = nullptr;
}

namespace {

// The end may come inside a modal message box, even one shown while a
// window is being built: unwinding through those handlers is no safe way
// out, so the program ends right here once the records are saved.
[[noreturn]] void saveAndEnd(const std::function<void()>& save)
{
    ExpectExit();
    ReportErrorsToStandardError();
    save();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(0);
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop does the rest.
void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

void EndOnTerminationSignal(std::function<void()> save)
{
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [save = std::move(save)] { saveAndEnd(save); });

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

#elif defined(Q_OS_WIN)

namespace {

// Windows ends a session by asking every window (WM_QUERYENDSESSION) and
// then telling it (WM_ENDSESSION); after the answer to the second the
// process may be gone at any moment.
class SessionEnd : public QAbstractNativeEventFilter {
public:
    explicit SessionEnd(std::function<void()> save)
        : save_(std::move(save))
    {
    }

    bool nativeEventFilter(const QByteArray&, void* message, qintptr* result) override
    {
        const auto* msg = static_cast<const MSG*>(message);
        if (msg->message == WM_QUERYENDSESSION) {
            *result = TRUE; // nothing to ask the player: the record is kept either way
            return true;
        }
        if (msg->message == WM_ENDSESSION && msg->wParam != FALSE)
            saveAndEnd(save_);
        return false;
    }

private:
    std::function<void()> save_;
};

} // namespace

void EndOnTerminationSignal(std::function<void()> save)
{
    static SessionEnd* filter = nullptr;
    if (filter)
        return;
    filter = new SessionEnd(std::move(save));
    QCoreApplication::instance()->installNativeEventFilter(filter);
}

#else

void EndOnTerminationSignal(std::function<void()>) { }

#endif

} // namespace platform
