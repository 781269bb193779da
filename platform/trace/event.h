// One transcript event: a name, the terminal time it happened at, and its
// fields in the order they were added.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ce::trace {

struct Value {
    enum class Kind { Null, Bool, Number, Text, Bytes };
    Kind kind = Kind::Null;
    bool flag = false;
    int64_t number = 0;
    std::u16string text;           // Text: UTF-16 as the terminal holds it
    std::vector<uint8_t> bytes;    // Bytes: written as lowercase hex

    static Value Null() { return {}; }
    static Value Bool(bool b) { Value v; v.kind = Kind::Bool; v.flag = b; return v; }
    static Value Number(int64_t n) { Value v; v.kind = Kind::Number; v.number = n; return v; }
    static Value Text(std::u16string s) { Value v; v.kind = Kind::Text; v.text = std::move(s); return v; }
    static Value Bytes(const void* data, size_t size);
    bool operator==(const Value&) const = default;
};

struct Event {
    int64_t t = 0;
    std::string ev;
    std::vector<std::pair<std::string, Value>> fields;

    explicit Event(std::string name) : ev(std::move(name)) {}
    Event& Add(std::string name, Value value);
    Event& Num(std::string name, int64_t n) { return Add(std::move(name), Value::Number(n)); }
    Event& Bool(std::string name, bool b) { return Add(std::move(name), Value::Bool(b)); }
    Event& Text(std::string name, std::u16string s) { return Add(std::move(name), Value::Text(std::move(s))); }
    Event& Utf8(std::string name, std::string_view s);
    Event& Null(std::string name) { return Add(std::move(name), Value::Null()); }
    // A byte buffer, or null when there is none.
    Event& Hex(std::string name, const void* data, size_t size);
    // A handle as a number: 0 for null, -1 for INVALID_HANDLE_VALUE.
    Event& Handle(std::string name, const void* handle);

    const Value* Find(std::string_view name) const;
};

// The transcript form of an event: one JSON object, no newline.
std::string ToJson(const Event& event);
// The transcript form of one value: bytes and texts both as JSON strings.
std::string ToJson(const Value& value);

}  // namespace ce::trace
