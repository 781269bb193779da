// Conversions between the terminal's UTF-16 text and the host's UTF-8.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace ce::text {

// Lone surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);
// Nothing for input that is not well-formed UTF-8.
std::optional<std::u16string> FromUtf8(std::string_view utf8);

}  // namespace ce::text
