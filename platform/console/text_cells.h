// How many character cells a character takes on a text terminal: two for
// the wide East Asian characters (Chinese among them), none for combining
// marks, one otherwise.
#pragma once
#include <string>
#include <string_view>

namespace ce::console {

int CellWidth(char32_t c);
int TextWidth(std::u32string_view text);

// UTF-16 as the terminal keeps text, to code points and back; a lone
// surrogate becomes U+FFFD.
std::u32string ToCodePoints(std::u16string_view text);
std::u16string ToUtf16(std::u32string_view text);

}  // namespace ce::console
