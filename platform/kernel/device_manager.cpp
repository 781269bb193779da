#include "kernel/device_manager.h"

namespace ce {

namespace {
std::string Key(std::string_view prefix, int index) {
    return std::string(prefix) + std::to_string(index) + ":";
}
}  // namespace

void DeviceManager::Register(std::string_view prefix, int index, StreamDriver* driver) {
    drivers_[Key(prefix, index)] = driver;
}

void DeviceManager::Unregister(std::string_view prefix, int index) {
    drivers_.erase(Key(prefix, index));
}

std::optional<std::string> DeviceManager::ParseDeviceName(std::u16string_view name) {
    if (name.size() != 5) return std::nullopt;
    for (int i = 0; i < 3; ++i)
        if (name[i] < u'A' || name[i] > u'Z') return std::nullopt;
    if (name[3] < u'0' || name[3] > u'9' || name[4] != u':') return std::nullopt;
    return std::string(name.begin(), name.end());
}

StreamDriver* DeviceManager::Find(const std::string& deviceName) const {
    auto it = drivers_.find(deviceName);
    return it == drivers_.end() ? nullptr : it->second;
}

}  // namespace ce
