#pragma once

#include "platform/NativeBackend.h"

#include <deque>
#include <functional>

// Input played one step each time a modal loop waits for it; none left is the end of input.
// The steps are read where they lie, so a test may add to them while they are played.
inline void PlayInputSteps(std::deque<std::function<void()>>& steps) {
    native::SetInputWaiter([&steps] {
        if (steps.empty())
            return false;
        auto step = std::move(steps.front());
        steps.pop_front();
        step();
        return true;
    });
}
