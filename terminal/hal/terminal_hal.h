// The terminal's HAL: takes the power-down request (a 4-byte input, no
// output) and records that the terminal suspended, or refuses everything.
#pragma once
#include <functional>

#include "kernel/hal.h"
#include "state/state_dir.h"

namespace terminal {

class TerminalHal : public ce::Hal {
public:
    static constexpr DWORD kPowerDown = 0x01013F00;
    static constexpr const char* kSuspendFile = "suspend-count";

    TerminalHal(bool refusing, const StateDir* state) : refusing_(refusing), state_(state) {}

    BOOL IoControl(DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                   DWORD* bytesReturned) override;
    int suspends() const { return suspends_; }
    bool asleep() const { return asleep_; }
    // What a suspend looks like to the user: the interactive screen goes dark
    // until a key wakes the terminal. The request returns once it is awake.
    void SetSuspendHandler(std::function<void()> handler) { onSuspend_ = std::move(handler); }
    // How often the terminal kept in `state` has suspended, over all runs.
    static long StoredSuspends(const StateDir& state);

private:
    bool refusing_;
    const StateDir* state_;  // null: nothing persists
    int suspends_ = 0;
    bool asleep_ = false;
    std::function<void()> onSuspend_;
};

}  // namespace terminal
