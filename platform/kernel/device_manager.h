// Stream drivers registered by a three-letter prefix and an index, opened by
// names such as "FIO1:".
#pragma once
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "kernel/stream_driver.h"

namespace ce {

class DeviceManager {
public:
    // The driver stays owned by the caller and must outlive its registration.
    void Register(std::string_view prefix, int index, StreamDriver* driver);
    void Unregister(std::string_view prefix, int index);

    // The canonical device name ("FIO1:") of a name of three capital letters,
    // a digit and a colon; nothing for any other name.
    static std::optional<std::string> ParseDeviceName(std::u16string_view name);
    StreamDriver* Find(const std::string& deviceName) const;

private:
    std::map<std::string, StreamDriver*> drivers_;
};

}  // namespace ce
