#include "wm/script.h"

#include <charconv>
#include <limits>

#include "text/excerpt.h"
#include "text/utf.h"

namespace ce {

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view SkipSpace(std::string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    return s;
}

std::string_view Word(std::string_view& s) {
    s = SkipSpace(s);
    size_t n = 0;
    while (n < s.size() && !IsSpace(s[n]) && s[n] != '#') ++n;
    std::string_view word = s.substr(0, n);
    s.remove_prefix(n);
    return word;
}

bool AtEnd(std::string_view s) {
    s = SkipSpace(s);
    return s.empty() || s.front() == '#';
}

template <typename T>
bool ParseNumber(std::string_view word, T& out, T min, T max) {
    if (word.empty()) return false;
    long long v = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
    if (ec != std::errc() || end != word.data() + word.size() || v < min || v > max) return false;
    out = static_cast<T>(v);
    return true;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::variant<std::u16string, std::string> ParseJsonString(std::string_view s, size_t& consumed) {
    if (s.empty() || s.front() != '"') return std::string("expected a text in double quotes");
    std::u16string out;
    size_t i = 1;
    while (true) {
        if (i >= s.size()) return std::string("the text has no closing quote");
        char c = s[i];
        if (c == '"') break;
        if (static_cast<unsigned char>(c) < 0x20) return std::string("a control character in the text must be escaped");
        if (c == '\\') {
            if (i + 1 >= s.size()) return std::string("the text ends inside an escape");
            char e = s[i + 1];
            i += 2;
            switch (e) {
                case '"': out += u'"'; break;
                case '\\': out += u'\\'; break;
                case '/': out += u'/'; break;
                case 'b': out += u'\b'; break;
                case 'f': out += u'\f'; break;
                case 'n': out += u'\n'; break;
                case 'r': out += u'\r'; break;
                case 't': out += u'\t'; break;
                case 'u': {
                    if (i + 4 > s.size()) return std::string("\\u needs four hex digits");
                    int v = 0;
                    for (int k = 0; k < 4; ++k) {
                        int d = HexDigit(s[i + k]);
                        if (d < 0) return std::string("\\u needs four hex digits");
                        v = v * 16 + d;
                    }
                    out += static_cast<char16_t>(v);
                    i += 4;
                    break;
                }
                default: return "unknown escape \\" + text::Excerpt(std::string_view(&e, 1));
            }
            continue;
        }
        size_t start = i;
        while (i < s.size() && s[i] != '"' && s[i] != '\\' && static_cast<unsigned char>(s[i]) >= 0x20) ++i;
        auto piece = text::FromUtf8(s.substr(start, i - start));
        if (!piece) return std::string("the text is not valid UTF-8");
        out += *piece;
    }
    consumed = i + 1;
    return out;
}

std::variant<std::optional<UserAction>, ScriptError> ParseScriptLine(std::string_view line, int lineNumber) {
    if (AtEnd(line)) return std::optional<UserAction>();
    auto fail = [&](std::string message) { return ScriptError{lineNumber, std::move(message)}; };

    std::string_view rest = line;
    std::string_view command = Word(rest);
    UserAction a;
    a.line = lineNumber;
    if (command == "set-text" || command == "click" || command == "focus") {
        std::string_view id = Word(rest);
        if (!ParseNumber<int>(id, a.id, -1, 65535))
            return fail(std::string(command) + " needs a control id (a number from -1 to 65535)");
        a.kind = command == "click"   ? UserAction::Kind::Click
                 : command == "focus" ? UserAction::Kind::Focus
                                      : UserAction::Kind::SetText;
        if (a.kind == UserAction::Kind::SetText) {
            rest = SkipSpace(rest);
            size_t used = 0;
            auto parsed = ParseJsonString(rest, used);
            if (auto* error = std::get_if<std::string>(&parsed)) return fail("set-text: " + *error);
            a.text = std::get<std::u16string>(parsed);
            rest.remove_prefix(used);
        }
    } else if (command == "ok" || command == "cancel" || command == "dismiss") {
        a.kind = command == "ok" ? UserAction::Kind::Ok
                 : command == "cancel" ? UserAction::Kind::Cancel
                                       : UserAction::Kind::Dismiss;
    } else if (command == "wait") {
        std::string_view ms = Word(rest);
        if (!ParseNumber<uint32_t>(ms, a.ms, 0, 24u * 3600 * 1000))
            return fail("wait needs milliseconds (a whole number up to 86400000)");
        a.kind = UserAction::Kind::Wait;
    } else {
        return fail("unknown action \"" + text::Excerpt(command) +
                    "\" (expected set-text, click, focus, ok, cancel, dismiss or wait)");
    }
    if (!AtEnd(rest)) return fail("unexpected \"" + text::Excerpt(SkipSpace(rest)) + "\" after " + std::string(command));
    return std::optional<UserAction>(std::move(a));
}

std::optional<ScriptError> CheckScript(std::string_view text) {
    ScriptReader reader{std::string(text)};
    while (reader.Next()) {
    }
    return reader.error();
}

std::optional<UserAction> ScriptReader::Next() {
    while (pos_ < text_.size()) {
        size_t eol = text_.find('\n', pos_);
        if (eol == std::string::npos) eol = text_.size();
        auto parsed = ParseScriptLine(std::string_view(text_).substr(pos_, eol - pos_), ++line_);
        pos_ = eol + 1;
        if (auto* error = std::get_if<ScriptError>(&parsed)) {
            error_ = *error;
            pos_ = text_.size();
            return std::nullopt;
        }
        if (auto& action = std::get<std::optional<UserAction>>(parsed)) return std::move(*action);
    }
    return std::nullopt;
}

}  // namespace ce
