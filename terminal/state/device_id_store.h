// The stored device ID: exactly 64 bytes in the file "device-id".
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "state/state_dir.h"

namespace terminal {

using DeviceIdBytes = std::array<uint8_t, 64>;

// The ID a file's content holds: exactly 64 bytes, nothing else.
std::optional<DeviceIdBytes> ParseDeviceId(std::string_view content);

class DeviceIdStore {
public:
    static constexpr const char* kFileName = "device-id";
    // What a new terminal holds: a short ASCII ID followed by zero bytes.
    static DeviceIdBytes Factory();

    explicit DeviceIdStore(const StateDir& dir) : dir_(dir) {}

    // The stored ID; the factory ID, written, when there is none yet (and
    // then *created is set); an error message when the file is damaged or
    // unreadable.
    std::variant<DeviceIdBytes, std::string> Load(bool* created = nullptr) const;
    // The stored ID without writing anything: nothing when none is stored yet.
    std::variant<std::optional<DeviceIdBytes>, std::string> Stored() const;
    std::optional<std::string> Save(const DeviceIdBytes& id) const;
    // Whether Save may replace what is there: a missing or regular file (even
    // a damaged one, which a new ID mends), never a link, FIFO or folder.
    std::optional<std::string> CheckReplaceable() const;

private:
    const StateDir& dir_;
};

}  // namespace terminal
