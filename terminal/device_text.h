// How the terminal's devices are shown to a person, the same in
// terminal-sim --status and in the interactive screen's panel.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "console/terminal_view.h"
#include "state/device_id_store.h"

namespace terminal {

// One line of the terminal's state: what, and its value.
struct DeviceRow {
    std::string label;  // empty: a second line of the row before
    std::string value;
};

// The ID as the programs read it: up to the first zero byte, decoded in the
// code page, quoted, with control characters escaped.
std::string IdText(const DeviceIdBytes& id, unsigned codePage);
// Its bytes in hex, the trailing zeros counted: "53 49 4d, then 61 zero bytes".
std::string IdHex(const DeviceIdBytes& id);

inline const char* OnOff(bool on) { return on ? "on" : "off"; }
inline std::string LevelText(uint32_t level) { return "level " + std::to_string(level); }

// The rows' labels: each device by what it is and its driver's name.
inline constexpr const char* kIdLabel = "device ID (FIO1:)";
inline constexpr const char* kGprsLabel = "GPRS modem (GPR1:)";
inline constexpr const char* kBacklightLabel = "backlight (BKL1:)";
inline constexpr const char* kWlanLabel = "WLAN module (SDH1:)";
inline constexpr const char* kHalLabel = "HAL";

// The rows as the interactive screen's panel takes them.
std::vector<ce::console::PanelRow> PanelRows(const std::vector<DeviceRow>& rows);

}  // namespace terminal
