// A classic dialog template (DLGTEMPLATE and its DLGITEMTEMPLATEs), as the
// resource compiler writes it.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "resources/res_file.h"

namespace ce::res {

struct DialogItem {
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    uint16_t id = 0;             // 0xFFFF: no id
    ResId windowClass;           // ordinals 0x80-0x85 are the predefined classes
    ResId text;
    std::vector<uint8_t> creationData;

    // "BUTTON", "EDIT", "STATIC", ... for predefined classes, else the name.
    std::u16string ClassName() const;
};

struct DialogTemplate {
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int16_t x = 0, y = 0, cx = 0, cy = 0;
    ResId menu;
    ResId windowClass;
    std::u16string caption;
    uint16_t pointSize = 0;      // with DS_SETFONT
    std::u16string typeface;
    std::vector<DialogItem> items;
};

// Nothing for a malformed template or one in the extended form.
std::optional<DialogTemplate> ParseDialogTemplate(const std::vector<uint8_t>& data);

}  // namespace ce::res
