// A module's power switch: an on and an off request, neither with data. The
// GPRS modem "GPR1:" and the WLAN module "SDH1:" are both of this kind.
#pragma once
#include <string>

#include "drivers/basic_driver.h"
#include "state/device_settings.h"

namespace terminal {

class PowerSwitchDriver : public BasicDriver {
public:
    static constexpr DWORD kGprsPowerOn = 0xF0072148;
    static constexpr DWORD kGprsPowerOff = 0xF007214C;
    static constexpr DWORD kWlanPowerOn = 0xF0072198;
    static constexpr DWORD kWlanPowerOff = 0xF007219C;

    // `store` null: nothing persists.
    PowerSwitchDriver(std::string deviceName, DWORD onCode, DWORD offCode, bool on, const PowerSetting* store)
        : deviceName_(std::move(deviceName)), onCode_(onCode), offCode_(offCode), on_(on), store_(store) {}

    BOOL IOControl(DWORD openContext, DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                   DWORD* actualOut) override;

    bool on() const { return on_; }

private:
    std::string deviceName_;
    DWORD onCode_, offCode_;
    bool on_;
    const PowerSetting* store_;
};

}  // namespace terminal
