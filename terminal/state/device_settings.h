// The settings of the terminal's devices, one line of text each in the state
// folder, so that a person can read them: the modem's and the WLAN module's
// power ("on" or "off"), the backlight level and the count of suspends
// (decimal). A file that holds anything else is damaged: reported, never
// taken as some value, and left as it is.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "state/state_dir.h"

namespace terminal {

// What a setting file's content means: one line, its newline optional.
std::optional<bool> ParsePower(std::string_view content);
std::optional<uint32_t> ParseLevel(std::string_view content);
std::optional<uint64_t> ParseCount(std::string_view content);  // 0 to 2^63-1

// How one kind of setting is read, written and explained.
template <typename T>
struct SettingCodec {
    std::optional<T> (*parse)(std::string_view);
    std::string (*format)(T);
    const char* expected;  // what a sound file holds, for the damage message
    T factory;             // what a new terminal has
};

template <typename T>
class Setting {
public:
    Setting(const StateDir& dir, std::string fileName, const SettingCodec<T>& codec)
        : dir_(dir), fileName_(std::move(fileName)), codec_(codec) {}

    // The stored value, nothing when none is stored yet, or why the file can't be used.
    std::variant<std::optional<T>, std::string> Stored() const;
    // The stored value or the factory one.
    std::variant<T, std::string> Load() const;
    std::optional<std::string> Save(T value) const;
    // Replaces the value with change(value) under the folder's lock, so that
    // concurrent runs lose no update; the new value, or why not.
    std::variant<T, std::string> Update(const std::function<T(T)>& change) const;

    const std::string& fileName() const { return fileName_; }

private:
    std::variant<std::optional<T>, std::string> Parse(const StateDir::ReadResult& read) const;

    const StateDir& dir_;
    std::string fileName_;
    SettingCodec<T> codec_;
};

extern const SettingCodec<bool> kPowerCodec;       // off when new
extern const SettingCodec<uint32_t> kLevelCodec;   // level 80 when new
extern const SettingCodec<uint64_t> kCountCodec;   // 0 when new

// A module's power.
class PowerSetting : public Setting<bool> {
public:
    PowerSetting(const StateDir& dir, std::string fileName) : Setting(dir, std::move(fileName), kPowerCodec) {}
};

// The backlight level, any 32-bit value.
class LevelSetting : public Setting<uint32_t> {
public:
    static constexpr uint32_t kFactory = 80;
    LevelSetting(const StateDir& dir, std::string fileName) : Setting(dir, std::move(fileName), kLevelCodec) {}
};

// A count that only goes up, and stops at its largest value instead of wrapping.
class CountSetting : public Setting<uint64_t> {
public:
    static constexpr uint64_t kMax = 0x7FFFFFFFFFFFFFFFull;
    CountSetting(const StateDir& dir, std::string fileName) : Setting(dir, std::move(fileName), kCountCodec) {}
    std::variant<uint64_t, std::string> Increment() const {
        return Update([](uint64_t n) { return n < kMax ? n + 1 : kMax; });
    }
};

// The file names in the state folder.
inline constexpr const char* kGprsPowerFile = "gprs-power";
inline constexpr const char* kWlanPowerFile = "wlan-power";
inline constexpr const char* kBacklightFile = "backlight-level";
inline constexpr const char* kSuspendFile = "suspend-count";

}  // namespace terminal
