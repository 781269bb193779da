// What a person gave (an option, a script line, a file's content) as it may
// appear inside a one-line message: at most a few hundred characters, cut
// with "…", with control characters and bytes that are not UTF-8 escaped so
// that nothing reaches the user's terminal but plain text.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace ce::text {

inline constexpr size_t kExcerptCharacters = 200;

// `\0`, `\t`, `\n`, `\r` and `\\` by name, other controls and stray bytes as
// `\xHH`, invisible format characters (bidirectional overrides, line and
// paragraph separators) as `\u202e`.
std::string Excerpt(std::string_view bytes, size_t maxCharacters = kExcerptCharacters);

}  // namespace ce::text
