#include "support/json_lines.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstring>

#include "wm/script.h"

namespace test {

namespace {

using ce::trace::Event;
using ce::trace::Value;

struct Parser {
    std::string_view s;
    size_t i = 0;
    bool ok = true;

    void Space() {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    }
    bool Eat(char c) {
        Space();
        if (i < s.size() && s[i] == c) {
            ++i;
            return true;
        }
        return false;
    }
    std::u16string String() {
        Space();
        size_t used = 0;
        auto parsed = ce::ParseJsonString(s.substr(i), used);
        if (auto* text = std::get_if<std::u16string>(&parsed)) {
            i += used;
            return *text;
        }
        ok = false;
        return {};
    }
    Value Scalar() {
        Space();
        if (i >= s.size()) {
            ok = false;
            return {};
        }
        if (s[i] == '"') return Value::Text(String());
        for (auto [word, value] : {std::pair{"true", Value::Bool(true)}, std::pair{"false", Value::Bool(false)},
                                   std::pair{"null", Value::Null()}})
            if (s.substr(i, std::strlen(word)) == word) {
                i += std::strlen(word);
                return value;
            }
        int64_t n = 0;
        auto [end, ec] = std::from_chars(s.data() + i, s.data() + s.size(), n);
        if (ec != std::errc()) {
            ok = false;
            return {};
        }
        i = end - s.data();
        return Value::Number(n);
    }
};

}  // namespace

std::vector<Event> ParseTranscript(const std::string& jsonLines) {
    std::vector<Event> events;
    size_t start = 0;
    int lineNumber = 0;
    while (start < jsonLines.size()) {
        size_t end = jsonLines.find('\n', start);
        if (end == std::string::npos) end = jsonLines.size();
        std::string_view line(jsonLines.data() + start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.empty()) continue;
        Parser p{line};
        Event e("");
        bool ok = p.Eat('{');
        bool first = true;
        while (ok && !p.Eat('}')) {
            if (!first) ok = p.Eat(',');
            first = false;
            std::u16string key = p.String();
            ok = ok && p.ok && p.Eat(':');
            Value v = p.Scalar();
            ok = ok && p.ok;
            std::string k(key.begin(), key.end());
            if (k == "t") e.t = v.number;
            else if (k == "ev") e.ev = std::string(v.text.begin(), v.text.end());
            else e.Add(k, v);
        }
        if (!ok || e.ev.empty()) {
            ADD_FAILURE() << "transcript line " << lineNumber << " is not an event: " << line;
            return events;
        }
        events.push_back(std::move(e));
    }
    return events;
}

}  // namespace test
