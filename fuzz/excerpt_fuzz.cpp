// What an error line quotes of the user's input: never a control character
// or a byte that is not UTF-8, and never longer than the excerpt allows.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/excerpt.h"
#include "text/utf.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string shown = ce::text::Excerpt(std::string_view(reinterpret_cast<const char*>(data), size));
    for (unsigned char c : shown)
        if (c < 0x20 || c == 0x7F) std::abort();
    if (!ce::text::FromUtf8(shown)) std::abort();
    // Each character shown is at most one escape of six bytes or four of UTF-8, then "…".
    if (shown.size() > ce::text::kExcerptCharacters * 6 + 3) std::abort();
    return 0;
}
