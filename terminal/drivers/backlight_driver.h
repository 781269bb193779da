// The backlight driver "BKL1:": one request sets the level, a 32-bit value
// taken as 4 little-endian bytes.
#pragma once
#include <cstdint>

#include "kernel/stream_driver.h"
#include "state/device_settings.h"

namespace terminal {

class BacklightDriver : public ce::StreamDriver {
public:
    static constexpr DWORD kSetLevel = 0xF000200C;

    // `store` null: nothing persists.
    BacklightDriver(uint32_t level, const LevelSetting* store) : level_(level), store_(store) {}

    DWORD Open(DWORD access, DWORD shareMode) override { return nextContext_++; }
    BOOL IOControl(DWORD openContext, DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                   DWORD* actualOut) override;
    BOOL Close(DWORD openContext) override { return TRUE; }

    uint32_t level() const { return level_; }

private:
    uint32_t level_;
    const LevelSetting* store_;
    DWORD nextContext_ = 1;
};

}  // namespace terminal
