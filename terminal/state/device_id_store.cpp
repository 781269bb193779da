#include "state/device_id_store.h"

#include <cstring>

#include "text/excerpt.h"

namespace terminal {

std::optional<DeviceIdBytes> ParseDeviceId(std::string_view content) {
    DeviceIdBytes id;
    if (content.size() != id.size()) return std::nullopt;
    std::memcpy(id.data(), content.data(), id.size());
    return id;
}

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
    // A new terminal: another run on the same folder may be making it too.
    auto lock = dir_.Lock();
    if (auto* error = std::get_if<std::string>(&lock)) return *error;
    stored = Stored();
    if (auto* error = std::get_if<std::string>(&stored)) return *error;
    if (const auto& id = std::get<std::optional<DeviceIdBytes>>(stored)) return *id;
    DeviceIdBytes id = Factory();
    if (auto error = dir_.Replace(std::get<StateLock>(lock), kFileName, std::vector<uint8_t>(id.begin(), id.end())))
        return *error;
    if (created) *created = true;
    return id;
}

std::variant<std::optional<DeviceIdBytes>, std::string> DeviceIdStore::Stored() const {
    auto read = dir_.Read(kFileName);
    if (read.status == StateDir::ReadStatus::Missing) return std::optional<DeviceIdBytes>();
    if (read.status == StateDir::ReadStatus::Unreadable) return read.error;
    if (auto id = ParseDeviceId(std::string_view(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size())))
        return id;
    return "the stored device ID " + ce::text::Excerpt(dir_.FilePath(kFileName)) + " is damaged (" +
           std::to_string(read.bytes.size()) +
           " bytes; it must hold exactly 64): store a new one with --device-id, or remove the file "
           "to start from the factory ID";
}

std::optional<std::string> DeviceIdStore::CheckReplaceable() const {
    auto read = dir_.Read(kFileName);
    if (read.status == StateDir::ReadStatus::Unreadable) return read.error;
    return std::nullopt;
}

std::optional<std::string> DeviceIdStore::Save(const DeviceIdBytes& id) const {
    return dir_.Replace(kFileName, std::vector<uint8_t>(id.begin(), id.end()));
}

}  // namespace terminal
