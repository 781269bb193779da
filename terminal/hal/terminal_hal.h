// The terminal's HAL: takes the power-down request (a 4-byte input, no
// output) and records that the terminal suspended, or refuses everything.
#pragma once
#include <functional>
#include <optional>
#include <set>

#include "kernel/hal.h"
#include "state/device_settings.h"

namespace terminal {

class TerminalHal : public ce::Hal {
public:
    static constexpr DWORD kPowerDown = 0x01013F00;

    // `count` null: nothing persists. A refusing HAL refuses `refusedCodes`,
    // or every request when there are none.
    TerminalHal(bool refusing, const CountSetting* count, std::set<DWORD> refusedCodes = {})
        : refusing_(refusing), refusedCodes_(std::move(refusedCodes)), count_(count) {}

    BOOL IoControl(DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                   DWORD* bytesReturned) override;
    int suspends() const { return suspends_; }
    bool asleep() const { return asleep_; }
    // What a suspend looks like to the user: the interactive screen goes dark
    // until a key wakes the terminal. The request returns once it is awake.
    void SetSuspendHandler(std::function<void()> handler) { onSuspend_ = std::move(handler); }

private:
    bool refusing_;
    std::set<DWORD> refusedCodes_;
    const CountSetting* count_;
    int suspends_ = 0;
    bool asleep_ = false;
    std::function<void()> onSuspend_;
};

}  // namespace terminal
