// A script of user actions, one a line:
//   set-text ID "TEXT"   click ID   ok   cancel   dismiss   wait MS
// '#' starts a comment; texts are JSON string literals.
#pragma once
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "wm/front_end.h"

namespace ce {

struct ScriptError {
    int line = 0;
    std::string message;
};

using ScriptParse = std::variant<std::vector<UserAction>, ScriptError>;
ScriptParse ParseScript(std::string_view text);

// A JSON string literal at the start of text, as UTF-16; consumed is set to
// its length in bytes. An error message when it is not one.
std::variant<std::u16string, std::string> ParseJsonString(std::string_view text, size_t& consumed);

}  // namespace ce
