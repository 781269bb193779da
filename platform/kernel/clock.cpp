#include "kernel/clock.h"

#include <chrono>
#include <thread>

namespace ce {

namespace {
int64_t SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
}  // namespace

Clock::Clock(Mode mode) : mode_(mode), realStart_(SteadyMs()) {}

int64_t Clock::Now() const {
    return mode_ == Mode::Virtual ? virtualNow_ : SteadyMs() - realStart_;
}

void Clock::Pass(uint32_t ms) {
    if (mode_ == Mode::Virtual)
        virtualNow_ += ms;
    else if (waiter_)
        waiter_(ms);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace ce
