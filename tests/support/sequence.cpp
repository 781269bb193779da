#include "support/sequence.h"

namespace test {

std::vector<Event> Only(const std::vector<Event>& events, const std::set<std::string>& names) {
    std::vector<Event> out;
    for (const auto& e : events)
        if (names.count(e.ev)) out.push_back(e);
    return out;
}

std::string Describe(const Event& e) { return ce::trace::ToJson(e); }

namespace {
std::string DescribeExpect(const Expect& x) {
    std::string out = x.ev + " {";
    for (size_t i = 0; i < x.fields.size(); ++i)
        out += (i ? ", " : "") + x.fields[i].first + ": " + ce::trace::ToJson(x.fields[i].second);
    return out + "}";
}
}  // namespace

::testing::AssertionResult MatchesSequence(const std::vector<Event>& actual, const std::vector<Expect>& expected) {
    for (size_t i = 0; i < expected.size(); ++i) {
        if (i >= actual.size())
            return ::testing::AssertionFailure()
                   << "event #" << i << ": expected " << DescribeExpect(expected[i]) << " but the run ended after "
                   << actual.size() << " events";
        const Event& got = actual[i];
        if (got.ev != expected[i].ev)
            return ::testing::AssertionFailure() << "event #" << i << ": expected " << DescribeExpect(expected[i])
                                                 << "\n  but got " << Describe(got);
        for (const auto& [key, value] : expected[i].fields) {
            const Value* v = got.Find(key);
            std::string want = ce::trace::ToJson(value);
            std::string have = v ? ce::trace::ToJson(*v) : "(missing)";
            if (want != have)
                return ::testing::AssertionFailure() << "event #" << i << " (" << got.ev << "): field " << key
                                                     << " is " << have << ", expected " << want << "\n  event: "
                                                     << Describe(got);
        }
    }
    if (actual.size() > expected.size())
        return ::testing::AssertionFailure() << "event #" << expected.size() << ": expected the end, but got "
                                             << Describe(actual[expected.size()]);
    return ::testing::AssertionSuccess();
}

std::vector<uint8_t> Bytes64(std::initializer_list<uint8_t> prefix) {
    std::vector<uint8_t> out(prefix);
    out.resize(64, 0);
    return out;
}

std::vector<uint8_t> Bytes64(const std::string& prefix) {
    std::vector<uint8_t> out(prefix.begin(), prefix.end());
    out.resize(64, 0);
    return out;
}

}  // namespace test
