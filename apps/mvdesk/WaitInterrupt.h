#pragma once

#include <csignal>

class InputSource;

// While it lives, Ctrl+C (SIGINT; on Windows the console's Ctrl+C or Ctrl+Break) and the end
// of standard input end the console's waits instead of the program: a wait asks Ended()
// after each step. Outside a wait Ctrl+C keeps its usual effect.
class WaitInterrupt {
public:
    // `input`: the console's input, whose end also ends the wait.
    explicit WaitInterrupt(const InputSource& input);
    ~WaitInterrupt();
    WaitInterrupt(const WaitInterrupt&) = delete;
    WaitInterrupt& operator=(const WaitInterrupt&) = delete;

    // Whether Ctrl+C was pressed or the input ended since the wait began.
    bool Ended();
    bool Interrupted() const;

private:
    const InputSource& input_;
    bool inputEnded_ = false;
#ifndef _WIN32
    // What SIGINT did before the wait, and does again after it.
    struct sigaction previous_ {};
#endif
};
