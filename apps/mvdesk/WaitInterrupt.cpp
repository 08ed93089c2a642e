#include "WaitInterrupt.h"

#include <atomic>
#include <csignal>

#ifdef _WIN32
#include "platform/WinTypes.h"
#else
#include <poll.h>
#include <unistd.h>
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

WaitInterrupt::WaitInterrupt(std::FILE* input) : input_(input) {
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
#ifdef __GLIBC__
    // A pipe or terminal whose writer is gone, with nothing left to read in it or in the
    // stream's buffer, has ended.
    if (input_ != nullptr && !inputEnded_ && input_->_IO_read_ptr >= input_->_IO_read_end) {
        pollfd watched{::fileno(input_), POLLIN, 0};
        if (::poll(&watched, 1, 0) == 1 &&
            (watched.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0 &&
            (watched.revents & POLLIN) == 0)
            inputEnded_ = true;
    }
#endif
    return inputEnded_;
}
