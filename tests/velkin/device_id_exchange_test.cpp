// The device-ID operations against each behaviour of the identity driver:
// the exact calls, and the handle closed once on every path that opened it.
#include <gtest/gtest.h>

#include "DeviceIdExchange.h"
#include "support/terminal_fixture.h"

namespace test {
namespace {

const int64_t H = TerminalFixture::kFirstHandle;
const int64_t kInvalid = -1;

struct ExchangeCase {
    std::string name;
    Driver driver;
    bool write;              // WriteDeviceId with `text`, else ReadDeviceId
    std::u16string text;
    std::vector<Expect> calls;
    std::u16string readResult;  // for reads
    BOOL writeResult;           // for writes
};
void PrintTo(const ExchangeCase& c, std::ostream* os) { *os << c.name; }

class DeviceIdExchangeTest : public TerminalFixture, public ::testing::WithParamInterface<ExchangeCase> {};

TEST_P(DeviceIdExchangeTest, MakesExactlyTheseCalls) {
    const ExchangeCase& c = GetParam();
    PlugIdentity(c.driver, Bytes64("SIM00001"));
    if (c.write) {
        EXPECT_EQ(WriteDeviceId(CString(c.text.c_str(), static_cast<int>(c.text.size()))), c.writeResult);
    } else {
        CString id = ReadDeviceId();
        EXPECT_EQ(std::u16string(static_cast<LPCTSTR>(id), id.GetLength()), c.readResult);
    }
    EXPECT_TRUE(MatchesSequence(KernelCalls(), c.calls));
    EXPECT_EQ(sys->handles.OpenCount(), 0u) << "a handle was left open";
}

std::u16string ReadOf(const std::string& ascii) {
    std::u16string text(ascii.begin(), ascii.end());
    text.resize(64, u'\0');
    return text;
}

const std::u16string k65(65, u'A');

INSTANTIATE_TEST_SUITE_P(
    EachDriverBehaviour, DeviceIdExchangeTest,
    ::testing::Values(
        ExchangeCase{"ReadAccepting", Driver::Accepting, false, u"",
                     {OpenFio(H), GetRequest(H, Bytes64("SIM00001"), 1), Close(H)}, ReadOf("SIM00001"), 0},
        // The get buffer is cleared first: a refused request leaves zeros, not stack bytes.
        ExchangeCase{"ReadRefusing", Driver::Refusing, false, u"",
                     {OpenFio(H), GetRequest(H, Bytes64(""), 0), Close(H)}, u"00", 0},
        ExchangeCase{"ReadAbsent", Driver::Absent, false, u"", {OpenFio(kInvalid)}, u"00", 0},
        ExchangeCase{"WriteAccepting", Driver::Accepting, true, u"NEW-7",
                     {OpenFio(H), PutRequest(H, Bytes64("NEW-7"), 1), Close(H)}, u"", TRUE},
        ExchangeCase{"WriteRefusing", Driver::Refusing, true, u"NEW-7",
                     {OpenFio(H), PutRequest(H, Bytes64("NEW-7"), 0), Close(H)}, u"", FALSE},
        ExchangeCase{"WriteAbsent", Driver::Absent, true, u"NEW-7", {OpenFio(kInvalid)}, u"", FALSE},
        ExchangeCase{"WriteEmptySendsZeros", Driver::Accepting, true, u"",
                     {OpenFio(H), PutRequest(H, Bytes64(""), 1), Close(H)}, u"", TRUE},
        ExchangeCase{"Write65UnitsSendsNothing", Driver::Accepting, true, k65, {OpenFio(H), Close(H)}, u"", FALSE},
        ExchangeCase{"Write65UnitsAbsent", Driver::Absent, true, k65, {OpenFio(kInvalid)}, u"", FALSE}),
    [](const auto& info) { return info.param.name; });

using DeviceIdDebugTest = TerminalFixture;

TEST_F(DeviceIdDebugTest, ReadWritesEachOfThe64BytesToTheDebugOutputAfterTheRequest) {
    PlugIdentity(Driver::Accepting, Bytes64({0x41, 0x42, 0x00, 0xC3, 0xFF}));
    ReadDeviceId();
    auto events = Only(recorder->events, {"DeviceIoControl", "debug", "CloseHandle"});
    ASSERT_EQ(events.size(), 66u);
    EXPECT_EQ(events.front().ev, "DeviceIoControl");
    EXPECT_EQ(events.back().ev, "CloseHandle");
    std::u16string expected = {u'A', u'B', 0, 0xC3, 0xFF};
    expected.resize(64, 0);
    EXPECT_EQ(sys->debug.All(), expected) << "one character per byte, by the byte's value";
}

TEST_F(DeviceIdDebugTest, AFailedReadWritesNothingToTheDebugOutput) {
    PlugIdentity(Driver::Refusing);
    ReadDeviceId();
    EXPECT_TRUE(sys->debug.All().empty());
}

TEST_F(DeviceIdDebugTest, WriteWorksOnItsOwnCopyOfTheText) {
    PlugIdentity(Driver::Accepting);
    CString text(u"KEEP ME");
    WriteDeviceId(text);
    EXPECT_EQ(text, CString(u"KEEP ME"));
}

}  // namespace
}  // namespace test
