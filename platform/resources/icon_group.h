// An icon group (RT_GROUP_ICON): the images of one icon, each an RT_ICON
// resource of its own.
#pragma once
#include <cstdint>
#include <optional>
#include <vector>

namespace ce::res {

struct IconGroupImage {
    uint16_t width = 0, height = 0;  // 0 in the file means 256
    uint8_t colorCount = 0;
    uint16_t planes = 0;
    uint16_t bitCount = 0;
    uint32_t bytesInRes = 0;
    uint16_t iconId = 0;
};

std::optional<std::vector<IconGroupImage>> ParseIconGroup(const std::vector<uint8_t>& data);

}  // namespace ce::res
