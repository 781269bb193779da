// The backlight driver "BKL1:": one request sets the level, a 32-bit value
// taken as 4 little-endian bytes.
#pragma once
#include <cstdint>

#include "drivers/basic_driver.h"
#include "state/device_settings.h"

namespace terminal {

class BacklightDriver : public BasicDriver {
public:
    static constexpr DWORD kSetLevel = 0xF000200C;

    // `store` null: nothing persists.
    BacklightDriver(uint32_t level, const LevelSetting* store) : level_(level), store_(store) {}

    BOOL IOControl(DWORD openContext, DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                   DWORD* actualOut) override;

    uint32_t level() const { return level_; }

private:
    uint32_t level_;
    const LevelSetting* store_;
};

}  // namespace terminal
