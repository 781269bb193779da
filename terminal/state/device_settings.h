// The settings of the terminal's switched devices, one line of text each in
// the state folder, so that a person can read them: the modem's and the WLAN
// module's power ("on" or "off") and the backlight level (decimal).
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

#include "state/state_dir.h"

namespace terminal {

// A module's power. A new terminal has it off.
class PowerSetting {
public:
    PowerSetting(const StateDir& dir, std::string fileName) : dir_(dir), fileName_(std::move(fileName)) {}

    // The stored state, off when none is stored yet, or why the file can't be used.
    std::variant<bool, std::string> Load() const;
    std::optional<std::string> Save(bool on) const;
    const std::string& fileName() const { return fileName_; }

private:
    const StateDir& dir_;
    std::string fileName_;
};

// The backlight level, any 32-bit value.
class LevelSetting {
public:
    static constexpr uint32_t kFactory = 80;

    LevelSetting(const StateDir& dir, std::string fileName) : dir_(dir), fileName_(std::move(fileName)) {}

    std::variant<uint32_t, std::string> Load() const;
    std::optional<std::string> Save(uint32_t level) const;
    const std::string& fileName() const { return fileName_; }

private:
    const StateDir& dir_;
    std::string fileName_;
};

// The file names in the state folder.
inline constexpr const char* kGprsPowerFile = "gprs-power";
inline constexpr const char* kWlanPowerFile = "wlan-power";
inline constexpr const char* kBacklightFile = "backlight-level";

}  // namespace terminal
