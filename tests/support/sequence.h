// Expected sequences of transcript events, compared in order; a mismatch
// names the first event that differs and how.
#pragma once
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "trace/transcript.h"

namespace test {

using ce::trace::Event;
using ce::trace::Value;

// An expected event: its name and the fields that matter, by value.
struct Expect {
    std::string ev;
    std::vector<std::pair<std::string, Value>> fields;

    explicit Expect(std::string name) : ev(std::move(name)) {}
    Expect& Num(const std::string& k, int64_t v) { fields.emplace_back(k, Value::Number(v)); return *this; }
    Expect& Bool(const std::string& k, bool v) { fields.emplace_back(k, Value::Bool(v)); return *this; }
    Expect& Text(const std::string& k, std::u16string v) { fields.emplace_back(k, Value::Text(std::move(v))); return *this; }
    Expect& Null(const std::string& k) { fields.emplace_back(k, Value::Null()); return *this; }
    Expect& Hex(const std::string& k, std::vector<uint8_t> bytes) {
        fields.emplace_back(k, Value::Bytes(bytes.data(), bytes.size()));
        return *this;
    }
};

// Collects every event of the running terminal.
class Recorder : public ce::trace::Sink {
public:
    void Write(const Event& e) override { events.push_back(e); }
    std::vector<Event> events;
};

// The events whose names are in `names`, in order.
std::vector<Event> Only(const std::vector<Event>& events, const std::set<std::string>& names);

// Success when `actual` holds exactly the expected events in order, each with
// at least the expected fields and values.
::testing::AssertionResult MatchesSequence(const std::vector<Event>& actual, const std::vector<Expect>& expected);

std::string Describe(const Event& e);

// Helpers for the calls the programs make.
std::vector<uint8_t> Bytes64(std::initializer_list<uint8_t> prefix);
std::vector<uint8_t> Bytes64(const std::string& prefix);

}  // namespace test
