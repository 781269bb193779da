#include "resources/dialog_template.h"

#include "windows.h"

namespace ce::res {

std::u16string DialogItem::ClassName() const {
    if (!windowClass.isOrdinal) return windowClass.name;
    switch (windowClass.ordinal) {
        case 0x80: return u"BUTTON";
        case 0x81: return u"EDIT";
        case 0x82: return u"STATIC";
        case 0x83: return u"LISTBOX";
        case 0x84: return u"SCROLLBAR";
        case 0x85: return u"COMBOBOX";
        default: {
            std::string digits = "#" + std::to_string(windowClass.ordinal);
            return std::u16string(digits.begin(), digits.end());
        }
    }
}

std::optional<DialogTemplate> ParseDialogTemplate(const std::vector<uint8_t>& data) {
    Reader r(data.data(), data.size());
    DialogTemplate t;
    t.style = r.U32();
    if ((t.style & 0xFFFF0000u) == 0xFFFF0000u) return std::nullopt;  // DLGTEMPLATEEX
    t.exStyle = r.U32();
    uint16_t count = r.U16();
    t.x = r.S16();
    t.y = r.S16();
    t.cx = r.S16();
    t.cy = r.S16();
    t.menu = r.SzOrOrd();
    t.windowClass = r.SzOrOrd();
    t.caption = r.Sz();
    if (t.style & DS_SETFONT) {
        t.pointSize = r.U16();
        t.typeface = r.Sz();
    }
    for (uint16_t i = 0; i < count && r.ok(); ++i) {
        r.AlignTo(4);
        DialogItem item;
        item.style = r.U32();
        item.exStyle = r.U32();
        item.x = r.S16();
        item.y = r.S16();
        item.cx = r.S16();
        item.cy = r.S16();
        item.id = r.U16();
        item.windowClass = r.SzOrOrd();
        item.text = r.SzOrOrd();
        uint16_t extra = r.U16();
        item.creationData = r.Bytes(extra);
        t.items.push_back(std::move(item));
    }
    if (!r.ok()) return std::nullopt;
    return t;
}

}  // namespace ce::res
