// Terminal time. Scripted runs and tests use virtual time, which moves only
// when the program sleeps or the user waits; interactive runs use real time.
#pragma once
#include <cstdint>
#include <functional>

namespace ce {

class Clock {
public:
    enum class Mode { Virtual, Real };
    explicit Clock(Mode mode = Mode::Virtual);

    Mode mode() const { return mode_; }
    // Milliseconds since the terminal started.
    int64_t Now() const;
    // Lets ms pass: blocks in real time, moves the virtual clock otherwise.
    void Pass(uint32_t ms);
    // Who lets real time pass instead of a plain sleep: the interactive
    // screen, which shows the wait as it goes.
    void SetWaiter(std::function<void(uint32_t)> waiter) { waiter_ = std::move(waiter); }

private:
    Mode mode_;
    int64_t virtualNow_ = 0;
    int64_t realStart_;
    std::function<void(uint32_t)> waiter_;
};

}  // namespace ce
