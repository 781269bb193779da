// WideCharToMultiByte and MultiByteToWideChar on the terminal's code pages:
// real conversions, '?' with the flag for what a code page lacks, and never
// a byte beyond the buffer given.
#include <gtest/gtest.h>

#include "kernel/system.h"
#include "windows.h"

namespace {

struct ToBytesCase {
    std::string name;
    UINT codePage;
    std::u16string text;
    int count;                   // units passed; -1: zero-terminated
    int bufferSize;
    const char* defaultChar;
    int result;
    std::vector<uint8_t> bytes;  // the buffer's first bytes afterwards
    BOOL usedDefault;
};
void PrintTo(const ToBytesCase& c, std::ostream* os) { *os << c.name; }

class ToBytes : public ::testing::TestWithParam<ToBytesCase> {
protected:
    void SetUp() override { ce::System::Reset(); }
};

TEST_P(ToBytes, Converts) {
    const ToBytesCase& c = GetParam();
    ASSERT_TRUE(ce::System::Get().codePages.SetAnsi(c.codePage));
    std::vector<char> buffer(c.bufferSize + 8, '\xEE');
    BOOL used = 7;
    int n = WideCharToMultiByte(CP_ACP, 0, c.text.c_str(), c.count, c.bufferSize ? buffer.data() : nullptr,
                                c.bufferSize, c.defaultChar, &used);
    EXPECT_EQ(n, c.result);
    EXPECT_EQ(used, c.usedDefault);
    for (size_t i = 0; i < c.bytes.size(); ++i) EXPECT_EQ(static_cast<uint8_t>(buffer[i]), c.bytes[i]) << "byte " << i;
    for (int i = c.bufferSize; i < c.bufferSize + 8; ++i)
        EXPECT_EQ(buffer[i], '\xEE') << "wrote past the " << c.bufferSize << "-byte buffer";
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, ToBytes,
    ::testing::Values(
        ToBytesCase{"Chinese936", 936, u"中文", 2, 128, nullptr, 4, {0xD6, 0xD0, 0xCE, 0xC4}, FALSE},
        ToBytesCase{"AsciiNoTerminatorWithCount", 936, u"AB", 2, 4, nullptr, 2, {'A', 'B', 0xEE}, FALSE},
        ToBytesCase{"TerminatorWithMinusOne", 936, u"AB", -1, 4, nullptr, 3, {'A', 'B', 0}, FALSE},
        ToBytesCase{"SizeQueryWritesNothing", 936, u"中文A", 3, 0, nullptr, 5, {}, FALSE},
        // Only whole characters go in; the call fails and reports no length.
        ToBytesCase{"TooSmallBufferStopsAtAWholeCharacter", 936, u"中文", 2, 3, nullptr, 0, {0xD6, 0xD0, 0xEE}, FALSE},
        ToBytesCase{"Unmappable1252", 1252, u"a中b", 3, 16, nullptr, 3, {'a', '?', 'b'}, TRUE},
        ToBytesCase{"UnmappableOwnDefault", 1252, u"a中b", 3, 16, "*", 3, {'a', '*', 'b'}, TRUE},
        ToBytesCase{"Euro1252", 1252, u"€é", 2, 16, nullptr, 2, {0x80, 0xE9}, FALSE},
        ToBytesCase{"SurrogatePairIsOneCharacter", 936, u"\U0001F600", 2, 16, nullptr, 1, {'?'}, TRUE},
        ToBytesCase{"LoneSurrogate", 1252, std::u16string(1, u'\xD800'), 1, 16, nullptr, 1, {'?'}, TRUE},
        // The host's tables map these one way only; what they give reads back as another text.
        ToBytesCase{"OneWayMapping932", 932, u"a\u00ACb", 3, 16, nullptr, 3, {'a', '?', 'b'}, TRUE},
        ToBytesCase{"Decomposed1258", 1258, u"\u01FF", 1, 16, nullptr, 1, {'?'}, TRUE},
        ToBytesCase{"FullwidthNotSign932", 932, u"\uFFE2", 1, 16, nullptr, 2, {0x81, 0xCA}, FALSE}),
    [](const auto& info) { return info.param.name; });

struct ToTextCase {
    std::string name;
    UINT codePage;
    std::vector<uint8_t> bytes;
    std::u16string text;
};
void PrintTo(const ToTextCase& c, std::ostream* os) { *os << c.name; }

class ToText : public ::testing::TestWithParam<ToTextCase> {
protected:
    void SetUp() override { ce::System::Reset(); }
};

TEST_P(ToText, Decodes) {
    const ToTextCase& c = GetParam();
    ASSERT_TRUE(ce::System::Get().codePages.SetAnsi(c.codePage));
    std::u16string out(c.bytes.size() + 4, u'\x2222');
    int n = MultiByteToWideChar(CP_ACP, 0, reinterpret_cast<const char*>(c.bytes.data()), static_cast<int>(c.bytes.size()),
                                out.data(), static_cast<int>(c.bytes.size()));
    EXPECT_EQ(out.substr(0, n), c.text);
    EXPECT_EQ(out[c.bytes.size()], u'\x2222') << "wrote past the buffer";
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, ToText,
    ::testing::Values(ToTextCase{"DoubleByte936", 936, {0xD6, 0xD0, 'A'}, u"中A"},
                      ToTextCase{"ZeroBytesAreUnits", 936, {'A', 0, 'B'}, std::u16string{u'A', 0, u'B'}},
                      ToTextCase{"LoneLeadByteAtTheEnd", 936, {'A', 0xB0}, u"A\uFFFD"},
                      ToTextCase{"LeadByteWithABadTrail", 936, {0xB0, 0x20}, u"\uFFFD "},
                      ToTextCase{"Latin1252", 1252, {0xB0, 0x80}, u"°€"}),
    [](const auto& info) { return info.param.name; });

TEST(CodePageSetting, DefaultsTo936AndRefusesWhatTheHostCannotConvert) {
    ce::System::Reset();
    EXPECT_EQ(GetACP(), 936u);
    EXPECT_FALSE(ce::System::Get().codePages.SetAnsi(12345));
    EXPECT_EQ(GetACP(), 936u);
    EXPECT_TRUE(ce::System::Get().codePages.SetAnsi(1252));
    EXPECT_EQ(GetACP(), 1252u);
}

}  // namespace
