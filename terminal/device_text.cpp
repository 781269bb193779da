#include "device_text.h"

#include <cstdio>

#include "kernel/code_page.h"
#include "text/utf.h"

namespace terminal {

// The ID as the terminal's programs read it: up to the first zero byte,
// decoded in the code page, with control characters escaped.
std::string IdText(const DeviceIdBytes& id, unsigned codePage) {
    size_t n = 0;
    while (n < id.size() && id[n]) ++n;
    std::u16string wide(n, u'\0');
    ce::CodePages pages;
    int units = n ? pages.ToWide(codePage, reinterpret_cast<const char*>(id.data()), static_cast<int>(n), wide.data(),
                                 static_cast<int>(n))
                  : 0;
    wide.resize(units > 0 ? units : 0);
    std::string out = "\"";
    for (char16_t c : wide) {
        if (c < 0x20 || c == 0x7F) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\x%02x", static_cast<unsigned>(c));
            out += esc;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            out += ce::text::ToUtf8(std::u16string(1, c));
        }
    }
    return out + "\"";
}

std::string IdHex(const DeviceIdBytes& id) {
    size_t end = id.size();
    while (end > 0 && id[end - 1] == 0) --end;
    std::string hex;
    char byte[4];
    for (size_t i = 0; i < end; ++i) {
        std::snprintf(byte, sizeof byte, "%s%02x", i ? " " : "", id[i]);
        hex += byte;
    }
    if (end == id.size()) return hex;
    return hex + (end ? ", then " : "") + std::to_string(id.size() - end) + " zero bytes";
}

std::vector<ce::console::PanelRow> PanelRows(const std::vector<DeviceRow>& rows) {
    std::vector<ce::console::PanelRow> panel;
    for (const auto& row : rows)
        panel.push_back({ce::text::FromUtf8(row.label).value_or(u"?"), ce::text::FromUtf8(row.value).value_or(u"?")});
    return panel;
}

}  // namespace terminal
