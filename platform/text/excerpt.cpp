#include "text/excerpt.h"

#include <cstdio>

namespace ce::text {

namespace {

// The length of the well-formed UTF-8 sequence at the start of s and its
// code point; 0 when it is not one.
size_t DecodeOne(std::string_view s, char32_t& cp) {
    auto b = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    unsigned char lead = b(0);
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    size_t n = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (n == 0 || s.size() < n) return 0;
    cp = lead & (0x7F >> n);
    for (size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (b(i) & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

bool Invisible(char32_t cp) {
    return (cp >= 0x200B && cp <= 0x200F) || (cp >= 0x2028 && cp <= 0x202E) || (cp >= 0x2060 && cp <= 0x2069) ||
           cp == 0xFEFF;
}

}  // namespace

std::string Excerpt(std::string_view bytes, size_t maxCharacters) {
    std::string out;
    size_t shown = 0;
    while (!bytes.empty()) {
        if (shown == maxCharacters) return out + "…";
        char32_t cp = 0;
        size_t n = DecodeOne(bytes, cp);
        char escape[16];
        if (n == 0) {
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned char>(bytes[0]));
            out += escape;
            n = 1;
        } else if (cp == 0) {
            out += "\\0";
        } else if (cp == '\t') {
            out += "\\t";
        } else if (cp == '\n') {
            out += "\\n";
        } else if (cp == '\r') {
            out += "\\r";
        } else if (cp == '\\') {
            out += "\\\\";
        } else if (cp < 0x20 || cp == 0x7F || (cp >= 0x80 && cp < 0xA0)) {
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned>(cp));
            out += escape;
        } else if (Invisible(cp)) {
            std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(cp));
            out += escape;
        } else {
            out.append(bytes.data(), n);
        }
        bytes.remove_prefix(n);
        ++shown;
    }
    return out;
}

}  // namespace ce::text
