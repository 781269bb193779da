#include "console/text_cells.h"

namespace ce::console {

namespace {

struct Range {
    char32_t first, last;
};

bool InRanges(char32_t c, const Range* ranges, size_t n) {
    for (size_t i = 0; i < n; ++i)
        if (c >= ranges[i].first && c <= ranges[i].last) return true;
    return false;
}

// The East Asian Wide and Fullwidth blocks that matter here.
const Range kWide[] = {
    {0x1100, 0x115F},   {0x231A, 0x231B},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
    {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xA960, 0xA97F},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
    {0xFE10, 0xFE19},   {0xFE30, 0xFE6F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
    {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD},
};

// Combining marks and format characters: drawn on the character before.
const Range kZero[] = {
    {0x0300, 0x036F}, {0x0483, 0x0489}, {0x0591, 0x05BD}, {0x0610, 0x061A}, {0x064B, 0x065F},
    {0x200B, 0x200F}, {0x202A, 0x202E}, {0x2060, 0x2064}, {0x20D0, 0x20FF}, {0xFE00, 0xFE0F},
    {0xFE20, 0xFE2F}, {0xFEFF, 0xFEFF},
};

}  // namespace

int CellWidth(char32_t c) {
    if (InRanges(c, kZero, std::size(kZero))) return 0;
    if (InRanges(c, kWide, std::size(kWide))) return 2;
    return 1;
}

int TextWidth(std::u32string_view text) {
    int width = 0;
    for (char32_t c : text) width += CellWidth(c);
    return width;
}

std::u32string ToCodePoints(std::u16string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t u = text[i];
        if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            out += static_cast<char32_t>(0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            out += U'\uFFFD';
        } else {
            out += u;
        }
    }
    return out;
}

std::u16string ToUtf16(std::u32string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (char32_t c : text) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (c >> 10));
            out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            out += static_cast<char16_t>(c);
        }
    }
    return out;
}

}  // namespace ce::console
