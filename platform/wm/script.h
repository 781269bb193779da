// A script of user actions, one a line:
//   set-text ID "TEXT"   click ID   ok   cancel   dismiss   wait MS
// '#' starts a comment; texts are JSON string literals.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "wm/front_end.h"

namespace ce {

// The most a script may hold, in all and on one line; a longer one is refused
// before anything runs.
inline constexpr size_t kMaxScriptBytes = 16u << 20;
inline constexpr size_t kMaxScriptLineBytes = 1u << 20;

struct ScriptError {
    int line = 0;
    std::string message;
};

// The first malformed line, if any, without keeping the actions.
std::optional<ScriptError> CheckScript(std::string_view text);

// One line: its action, nothing for a blank or comment line, or the error.
std::variant<std::optional<UserAction>, ScriptError> ParseScriptLine(std::string_view line, int lineNumber);

// Hands out a script's actions one at a time, parsing each line as it goes,
// so a long script costs its text and no more.
class ScriptReader {
public:
    explicit ScriptReader(std::string text) : text_(std::move(text)) {}
    // The next action; nothing at the end or at a malformed line.
    std::optional<UserAction> Next();
    // The malformed line that stopped the reading, if one did.
    const std::optional<ScriptError>& error() const { return error_; }

private:
    std::string text_;
    size_t pos_ = 0;
    int line_ = 0;
    std::optional<ScriptError> error_;
};

// A JSON string literal at the start of text, as UTF-16; consumed is set to
// its length in bytes. An error message when it is not one.
std::variant<std::u16string, std::string> ParseJsonString(std::string_view text, size_t& consumed);

}  // namespace ce
