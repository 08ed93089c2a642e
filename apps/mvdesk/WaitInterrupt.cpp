#include "WaitInterrupt.h"

#include "InputSource.h"

#include <atomic>
#include <csignal>

#ifdef _WIN32
#include "platform/WinTypes.h"
#endif

namespace {

// Set by the signal handler: the only state a handler may touch.
std::atomic<bool> interrupted{false};

#ifdef _WIN32
BOOL WINAPI OnControl(DWORD event) {
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        return FALSE;
    interrupted = true;
    return TRUE;
}
#else
void OnInterrupt(int) {
    interrupted = true;
}
#endif

} // namespace

WaitInterrupt::WaitInterrupt(const InputSource& input) : input_(input) {
    interrupted = false;
#ifdef _WIN32
    SetConsoleCtrlHandler(OnControl, TRUE);
#else
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous_);
#endif
}

WaitInterrupt::~WaitInterrupt() {
#ifdef _WIN32
    SetConsoleCtrlHandler(OnControl, FALSE);
#else
    sigaction(SIGINT, &previous_, nullptr);
#endif
}

bool WaitInterrupt::Interrupted() const {
    return interrupted;
}

bool WaitInterrupt::Ended() {
    if (interrupted)
        return true;
    if (!inputEnded_ && input_.Gone())
        inputEnded_ = true;
    return inputEnded_;
}
