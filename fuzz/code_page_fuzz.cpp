// Code-page conversion both ways, in every code page the host converts:
// never past the buffer it is given, and what the ANSI side takes back
// decodes again.
#include <cstdint>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "kernel/code_page.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    static ce::CodePages pages;
    static const std::vector<UINT> supported = ce::CodePages::SupportedList();
    UINT cp = supported[data[0] % supported.size()];
    // A small output buffer, to find overruns; 0 asks only for the size needed.
    int room = data[1];
    data += 2;
    size -= 2;

    std::vector<WCHAR> wide(room + 1, 0x5A5A);
    int units = pages.ToWide(cp, reinterpret_cast<const char*>(data), static_cast<int>(size), wide.data(), room);
    if (units < 0 || (room > 0 && units > room) || wide[room] != 0x5A5A || (room == 0 && wide[0] != 0x5A5A)) std::abort();

    std::vector<WCHAR> text(size / 2);
    for (size_t i = 0; i < text.size(); ++i) text[i] = static_cast<WCHAR>(data[2 * i] | data[2 * i + 1] << 8);
    std::vector<char> bytes(room + 1, 'Z');
    BOOL usedDefault = FALSE;
    int n = pages.ToMultiByte(cp, text.data(), static_cast<int>(text.size()), bytes.data(), room, nullptr, &usedDefault);
    if (n < 0 || (room > 0 && n > room) || bytes[room] != 'Z') std::abort();
    // A text taken whole, with no character replaced, decodes back to itself.
    if (room > 0 && n > 0 && !usedDefault) {
        std::vector<WCHAR> back(n + 1);
        int m = pages.ToWide(cp, bytes.data(), n, back.data(), static_cast<int>(back.size()));
        if (m != static_cast<int>(text.size()) || !std::equal(text.begin(), text.end(), back.begin())) std::abort();
    }
    return 0;
}
