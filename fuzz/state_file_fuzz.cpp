// Every state file's parser on any content: a value taken is one that
// writes back as a file that reads as the same value.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "state/device_id_store.h"
#include "state/device_settings.h"

template <typename T>
void RoundTrip(const terminal::SettingCodec<T>& codec, std::string_view content) {
    auto value = codec.parse(content);
    if (!value) return;
    std::string written = codec.format(*value) + "\n";
    auto again = codec.parse(written);
    if (!again || *again != *value) std::abort();
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view content(reinterpret_cast<const char*>(data), size);
    RoundTrip(terminal::kPowerCodec, content);
    RoundTrip(terminal::kLevelCodec, content);
    RoundTrip(terminal::kCountCodec, content);
    if (auto count = terminal::ParseCount(content); count && *count > terminal::CountSetting::kMax) std::abort();
    if (auto id = terminal::ParseDeviceId(content); id.has_value() != (size == 64)) std::abort();
    return 0;
}
