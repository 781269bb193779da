#include "resources/icon_group.h"

#include "resources/res_file.h"

namespace ce::res {

std::optional<std::vector<IconGroupImage>> ParseIconGroup(const std::vector<uint8_t>& data) {
    Reader r(data.data(), data.size());
    r.U16();  // reserved
    if (r.U16() != 1) return std::nullopt;  // 1: icons
    uint16_t count = r.U16();
    std::vector<IconGroupImage> images;
    for (uint16_t i = 0; i < count && r.ok(); ++i) {
        IconGroupImage im;
        uint8_t w = r.U8(), h = r.U8();
        im.width = w ? w : 256;
        im.height = h ? h : 256;
        im.colorCount = r.U8();
        r.U8();
        im.planes = r.U16();
        im.bitCount = r.U16();
        im.bytesInRes = r.U32();
        im.iconId = r.U16();
        images.push_back(im);
    }
    if (!r.ok()) return std::nullopt;
    return images;
}

}  // namespace ce::res
