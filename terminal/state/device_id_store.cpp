#include "state/device_id_store.h"

#include <cstring>

namespace terminal {

DeviceIdBytes DeviceIdStore::Factory() {
    DeviceIdBytes id{};
    const char kId[] = "SIM00001";
    std::memcpy(id.data(), kId, sizeof kId - 1);
    return id;
}

std::variant<DeviceIdBytes, std::string> DeviceIdStore::Load(bool* created) const {
    if (created) *created = false;
    auto stored = Stored();
    if (auto* error = std::get_if<std::string>(&stored)) return *error;
    if (const auto& id = std::get<std::optional<DeviceIdBytes>>(stored)) return *id;
    DeviceIdBytes id = Factory();
    if (auto error = Save(id)) return *error;
    if (created) *created = true;
    return id;
}

std::variant<std::optional<DeviceIdBytes>, std::string> DeviceIdStore::Stored() const {
    auto read = dir_.Read(kFileName);
    if (read.status == StateDir::ReadStatus::Missing) return std::optional<DeviceIdBytes>();
    if (read.status == StateDir::ReadStatus::Unreadable) return read.error;
    if (read.bytes.size() != 64)
        return "the stored device ID " + dir_.FilePath(kFileName) + " is damaged (" +
               std::to_string(read.bytes.size()) +
               " bytes; it must hold exactly 64): store a new one with --device-id, or remove the file "
               "to start from the factory ID";
    DeviceIdBytes id;
    std::memcpy(id.data(), read.bytes.data(), 64);
    return std::optional<DeviceIdBytes>(id);
}

std::optional<std::string> DeviceIdStore::Save(const DeviceIdBytes& id) const {
    return dir_.Replace(kFileName, std::vector<uint8_t>(id.begin(), id.end()));
}

}  // namespace terminal
