// The simulated handheld: its drivers and HAL, set up as a run asks, plugged
// into the platform's device manager and kernel.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "device_text.h"
#include "drivers/backlight_driver.h"
#include "drivers/identity_driver.h"
#include "drivers/power_switch_driver.h"
#include "hal/terminal_hal.h"
#include "kernel/stream_driver.h"
#include "sim_config.h"
#include "state/device_id_store.h"
#include "state/device_settings.h"
#include "state/state_dir.h"

namespace terminal {

// What the state folder holds, read whole and found sound.
struct TerminalState {
    DeviceIdBytes id{};
    bool createdFactoryId = false;  // there was none: the factory ID was stored
    bool gprsOn = false;
    uint32_t backlightLevel = 0;
    bool wlanOn = false;
    uint64_t suspends = 0;
};

// Reads and checks every file of the state folder, and only then stores
// what the run asks to store (config.deviceId, or the factory ID of a new
// terminal): nothing changes unless the whole state can be used. The state,
// or why not.
std::variant<TerminalState, std::string> LoadTerminalState(const SimConfig& config, const StateDir& state);

class Terminal {
public:
    explicit Terminal(SimConfig config);
    ~Terminal();

    // Loads the persisted state and plugs the drivers and HAL into the
    // running system. The reason when the state can't be used.
    std::optional<std::string> PowerOn();

    const SimConfig& config() const { return config_; }
    const StateDir& state() const { return state_; }
    TerminalHal* hal() const { return hal_.get(); }

    // The devices as they are now, for the interactive screen's panel.
    std::vector<DeviceRow> Rows() const;

private:
    // Registers a driver as present, refusing or (not at all) absent.
    void Plug(const std::string& name, ce::StreamDriver& driver);
    // " (absent)", " (refusing)" or nothing, for a driver or the HAL.
    std::string Behaviour(const std::string& name) const;

    SimConfig config_;
    StateDir state_;
    DeviceIdStore deviceIds_;
    PowerSetting gprsPower_;
    PowerSetting wlanPower_;
    LevelSetting backlightLevel_;
    CountSetting suspendCount_;
    std::unique_ptr<IdentityDriver> identity_;
    std::unique_ptr<PowerSwitchDriver> gprs_;
    std::unique_ptr<BacklightDriver> backlight_;
    std::unique_ptr<PowerSwitchDriver> wlan_;
    std::unique_ptr<TerminalHal> hal_;
    std::vector<std::unique_ptr<ce::StreamDriver>> wrappers_;
};

}  // namespace terminal
