// What the device ID reads as and what a text stores, in the terminal's
// code pages: the ID is decoded and encoded through the ANSI code page, and
// a text the 64-byte field cannot hold exactly is refused, not cut or
// replaced.
#include <gtest/gtest.h>

#include "DeviceIdExchange.h"
#include "support/terminal_fixture.h"

namespace test {
namespace {

std::u16string Units(const CString& s) { return std::u16string(static_cast<LPCTSTR>(s), s.GetLength()); }

std::u16string Padded(std::u16string text, size_t units) {
    text.resize(units, u'\0');
    return text;
}

struct ReadCase {
    std::string name;
    UINT codePage;
    std::vector<uint8_t> stored;
    std::u16string text;    // every unit ReadDeviceId returns
    std::u16string shown;   // what a zero-terminated consumer sees
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadCaseTest : public TerminalFixture, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadCaseTest, ReadsAsTheStoredCharacters) {
    const ReadCase& c = GetParam();
    ASSERT_TRUE(sys->codePages.SetAnsi(c.codePage));
    PlugIdentity(Driver::Accepting, c.stored);
    CString id = ReadDeviceId();
    EXPECT_EQ(Units(id), c.text);
    EXPECT_EQ(std::u16string(static_cast<LPCTSTR>(id)), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, ReadCaseTest,
    ::testing::Values(
        ReadCase{"AsciiThenZeros", 936, Bytes64("ABC"), Padded(u"ABC", 64), u"ABC"},
        ReadCase{"ZeroInside", 936, Bytes64({0x41, 0x42, 0x00, 0x43, 0x44}),
                 Padded(std::u16string{u'A', u'B', 0, u'C', u'D'}, 64), u"AB"},
        ReadCase{"FullFieldNoTerminator", 936, std::vector<uint8_t>(64, 'Z'), std::u16string(64, u'Z'),
                 std::u16string(64, u'Z')},
        // 中文 is D6 D0 CE C4 in 936: two characters, then the 60 zero bytes.
        ReadCase{"DoubleByteReadsAsItself936", 936, Bytes64({0xD6, 0xD0, 0xCE, 0xC4, 'I', 'D'}),
                 Padded(u"中文ID", 62), u"中文ID"},
        ReadCase{"HighBytes1252", 1252, Bytes64({0xB0, 0x80, 0xE9}), Padded(u"°€é", 64), u"°€é"},
        ReadCase{"UndecodableByteIsReplacement936", 936, Bytes64({'A', 0xFF, 'B'}), Padded(u"A\uFFFDB", 64),
                 u"A\uFFFDB"}),
    [](const auto& info) { return info.param.name; });

struct WriteCase {
    std::string name;
    UINT codePage;
    std::u16string text;
    BOOL result;
    std::vector<uint8_t> sent;  // the put request's 64 bytes; empty: no request at all
};
void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class WriteCaseTest : public TerminalFixture, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteCaseTest, StoresExactlyTheEncodedText) {
    const WriteCase& c = GetParam();
    ASSERT_TRUE(sys->codePages.SetAnsi(c.codePage));
    PlugIdentity(Driver::Accepting, Bytes64("BEFORE"));
    EXPECT_EQ(WriteDeviceId(CString(c.text.c_str(), static_cast<int>(c.text.size()))), c.result);
    auto requests = Only(recorder->events, {"DeviceIoControl"});
    if (c.sent.empty()) {
        EXPECT_TRUE(requests.empty()) << "no request may reach the driver";
        EXPECT_EQ(StoredId(), Bytes64("BEFORE"));
    } else {
        ASSERT_EQ(requests.size(), 1u);
        EXPECT_TRUE(MatchesSequence(requests, {PutRequest(kFirstHandle, c.sent, 1)}));
        EXPECT_EQ(StoredId(), c.sent);
    }
    EXPECT_EQ(sys->handles.OpenCount(), 0u);
}

std::vector<uint8_t> Repeat(std::vector<uint8_t> unit, int times) {
    std::vector<uint8_t> out;
    for (int i = 0; i < times; ++i) out.insert(out.end(), unit.begin(), unit.end());
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, WriteCaseTest,
    ::testing::Values(
        WriteCase{"Ascii", 936, u"ABC", TRUE, Bytes64("ABC")},
        WriteCase{"SpacesKept", 936, u" A ", TRUE, Bytes64(" A ")},
        WriteCase{"Empty", 936, u"", TRUE, Bytes64("")},
        WriteCase{"SixtyFourAsciiNoTerminator", 936, std::u16string(64, u'A'), TRUE, std::vector<uint8_t>(64, 'A')},
        WriteCase{"SixtyFiveUnitsRefused", 936, std::u16string(65, u'A'), FALSE, {}},
        WriteCase{"DoubleByte936", 936, u"中文", TRUE, Bytes64({0xD6, 0xD0, 0xCE, 0xC4})},
        WriteCase{"ThirtyTwoDoubleByteFillTheField", 936, std::u16string(32, u'中'), TRUE, Repeat({0xD6, 0xD0}, 32)},
        // 33 units that need 65 bytes: cutting at 64 would split the last character.
        WriteCase{"OverSixtyFourBytesRefused", 936, u"A" + std::u16string(32, u'中'), FALSE, {}},
        WriteCase{"UnmappableRefused1252", 1252, u"ID-中", FALSE, {}},
        WriteCase{"UnmappableRefused936", 936, u"ID-\u0E01", FALSE, {}},
        WriteCase{"Latin1252", 1252, u"café", TRUE, Bytes64({'c', 'a', 'f', 0xE9})}),
    [](const auto& info) { return info.param.name; });

// Pressing the button on the unchanged text stores the same bytes again.
class RoundTripTest : public TerminalFixture, public ::testing::WithParamInterface<std::pair<UINT, std::vector<uint8_t>>> {};

TEST_P(RoundTripTest, WritingTheReadTextStoresTheSameBytes) {
    auto [codePage, stored] = GetParam();
    ASSERT_TRUE(sys->codePages.SetAnsi(codePage));
    PlugIdentity(Driver::Accepting, stored);
    CString id = ReadDeviceId();
    // What the edit box holds: the text up to its first zero unit.
    CString shown(static_cast<LPCTSTR>(id));
    EXPECT_TRUE(WriteDeviceId(shown));
    EXPECT_EQ(StoredId(), stored);
    EXPECT_TRUE(WriteDeviceId(id)) << "the whole 64-unit text, zero units included";
    EXPECT_EQ(StoredId(), stored);
}

INSTANTIATE_TEST_SUITE_P(CodePages, RoundTripTest,
                         ::testing::Values(std::pair{936u, Bytes64({0xD6, 0xD0, 0xCE, 0xC4, '-', '7'})},
                                           std::pair{936u, Bytes64("SIM00001")},
                                           std::pair{1252u, Bytes64({'c', 'a', 'f', 0xE9})},
                                           std::pair{936u, Repeat({0xD6, 0xD0}, 32)}));

}  // namespace
}  // namespace test
