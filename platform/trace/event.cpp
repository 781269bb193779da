#include "trace/event.h"

#include <cstdio>

#include "text/utf.h"

namespace ce::trace {

Value Value::Bytes(const void* data, size_t size) {
    Value v;
    v.kind = Kind::Bytes;
    const auto* p = static_cast<const uint8_t*>(data);
    v.bytes.assign(p, p + size);
    return v;
}

Event& Event::Add(std::string name, Value value) {
    fields.emplace_back(std::move(name), std::move(value));
    return *this;
}

Event& Event::Utf8(std::string name, std::string_view s) {
    auto text = text::FromUtf8(s);
    return Text(std::move(name), text ? *text : std::u16string(s.begin(), s.end()));
}

Event& Event::Hex(std::string name, const void* data, size_t size) {
    return Add(std::move(name), data ? Value::Bytes(data, size) : Value::Null());
}

Event& Event::Handle(std::string name, const void* handle) {
    return Num(std::move(name), static_cast<int64_t>(reinterpret_cast<intptr_t>(handle)));
}

const Value* Event::Find(std::string_view name) const {
    for (const auto& [key, value] : fields)
        if (key == name) return &value;
    return nullptr;
}

namespace {

void AppendJsonString(std::string& out, std::u16string_view text) {
    out += '"';
    char esc[8];
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t u = text[i];
        bool pair = u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                    text[i + 1] <= 0xDFFF;
        if (pair) {
            out += text::ToUtf8(text.substr(i, 2));
            ++i;
        } else if (u >= 0xD800 && u <= 0xDFFF) {
            std::snprintf(esc, sizeof esc, "\\u%04x", static_cast<unsigned>(u));  // keep lone surrogates
            out += esc;
        } else if (u == '"') {
            out += "\\\"";
        } else if (u == '\\') {
            out += "\\\\";
        } else if (u == '\n') {
            out += "\\n";
        } else if (u == '\t') {
            out += "\\t";
        } else if (u == '\r') {
            out += "\\r";
        } else if (u < 0x20 || u == 0x7F) {
            std::snprintf(esc, sizeof esc, "\\u%04x", static_cast<unsigned>(u));
            out += esc;
        } else {
            out += text::ToUtf8(text.substr(i, 1));
        }
    }
    out += '"';
}

void AppendValue(std::string& out, const Value& v) {
    switch (v.kind) {
        case Value::Kind::Null: out += "null"; break;
        case Value::Kind::Bool: out += v.flag ? "true" : "false"; break;
        case Value::Kind::Number: out += std::to_string(v.number); break;
        case Value::Kind::Text: AppendJsonString(out, v.text); break;
        case Value::Kind::Bytes: {
            static const char kDigits[] = "0123456789abcdef";
            out += '"';
            for (uint8_t b : v.bytes) {
                out += kDigits[b >> 4];
                out += kDigits[b & 15];
            }
            out += '"';
            break;
        }
    }
}

}  // namespace

std::string ToJson(const Value& value) {
    std::string out;
    AppendValue(out, value);
    return out;
}

std::string ToJson(const Event& event) {
    std::string out = "{\"t\":" + std::to_string(event.t) + ",\"ev\":\"" + event.ev + "\"";
    for (const auto& [key, value] : event.fields) {
        out += ",\"" + key + "\":";
        AppendValue(out, value);
    }
    out += '}';
    return out;
}

}  // namespace ce::trace
