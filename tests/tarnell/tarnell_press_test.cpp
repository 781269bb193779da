// Each of Tarnell's six buttons against an absent, a refusing and an
// accepting driver: the exact calls, the message boxes in order with their
// flags, the waits and where they fall, and no handle left behind.
#include "BacklightWlan.h"
#include "GprsPower.h"
#include "TarnellDlg.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

const int64_t H = TerminalFixture::kFirstHandle;
const int64_t kInvalid = -1;
const int64_t kNull = 0;

const DWORD kGprsOn = 0xF0072148, kGprsOff = 0xF007214C, kSetLevel = 0xF000200C;
const DWORD kWlanOn = 0xF0072198, kWlanOff = 0xF007219C;

// The three drivers are opened differently.
Expect OpenGprs(int64_t handle) {
    return Expect("CreateFileW").Text("name", u"GPR1:").Num("access", 0xC0000000).Num("share", 3)
        .Num("disposition", 3).Num("attributes", 0x80).Num("handle", handle);
}
Expect OpenBacklight(int64_t handle) {
    return Expect("CreateFileW").Text("name", u"BKL1:").Num("access", 0xC0000000).Num("share", 3)
        .Num("disposition", 3).Num("attributes", 0).Num("handle", handle);
}
Expect OpenWlan(int64_t handle) {
    return Expect("CreateFileW").Text("name", u"SDH1:").Num("access", 0x80000000).Num("share", 1)
        .Num("disposition", 4).Num("attributes", 0x80).Num("handle", handle);
}

// No data either way; the GPRS requests pass a byte count, the WLAN ones don't.
Expect Request(int64_t handle, const char16_t* device, DWORD code, bool byteCount, int result) {
    Expect e("DeviceIoControl");
    e.Num("handle", handle);
    if (device) e.Text("device", device); else e.Null("device");
    return e.Num("code", code).Null("in").Num("inSize", 0).Num("outSize", 0).Null("out")
        .Bool("bytesReturned", byteCount).Num("result", result);
}
Expect GprsRequest(int64_t handle, DWORD code, int result) {
    return Request(handle, handle > 0 ? u"GPR1:" : nullptr, code, true, result);
}
Expect WlanRequest(int64_t handle, DWORD code, int result) { return Request(handle, u"SDH1:", code, false, result); }

// The level as its 4 little-endian bytes, no output buffer, no byte count.
Expect LevelRequest(int64_t handle, uint8_t level, int result) {
    Expect e("DeviceIoControl");
    e.Num("handle", handle);
    if (handle > 0) e.Text("device", u"BKL1:"); else e.Null("device");
    return e.Num("code", kSetLevel).Hex("in", {level, 0, 0, 0}).Num("inSize", 4).Num("outSize", 0).Null("out")
        .Bool("bytesReturned", false).Num("result", result);
}

Expect Closes(int64_t handle, int result = 1) { return Expect("CloseHandle").Num("handle", handle).Num("result", result); }
Expect Waits(int ms) { return Expect("Sleep").Num("ms", ms); }
Expect Box(const std::u16string& text, int type = 0) {
    // The framework shows every box with the exclamation mark and MB_SETFOREGROUND.
    return Expect("messageBox").Text("text", text).Text("caption", u"tarnell_tests").Num("type", type).Num("shownType", 0x10030);
}
Expect Dismissed() { return Expect("dismiss"); }

struct PressCase {
    std::string name;
    int button;
    Driver driver;
    std::vector<Expect> sequence;
};
void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }

// Tarnell's dialog from its compiled resources on a test terminal.
class TarnellDialog : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        UseResources(TARNELL_RES);
    }
};

class TarnellPressTest : public TarnellDialog, public ::testing::WithParamInterface<PressCase> {};

TEST_P(TarnellPressTest, Sequence) {
    const PressCase& c = GetParam();
    PlugRadios(c.driver);
    // One press, a dismiss for every box it shows, then the close button.
    std::string script = "click " + std::to_string(c.button) + "\n";
    for (const auto& e : c.sequence)
        if (e.ev == "messageBox") script += "dismiss\n";
    script += "cancel\n";
    RunDialog<CTarnellDlg>(script);
    EXPECT_FALSE(frontEnd->Failed());
    EXPECT_TRUE(MatchesSequence(
        Only(recorder->events, {"CreateFileW", "DeviceIoControl", "CloseHandle", "Sleep", "messageBox", "dismiss"}),
        c.sequence));
    EXPECT_EQ(g_hGprs, nullptr);
    EXPECT_EQ(g_hBacklight, nullptr);
    EXPECT_EQ(sys->handles.OpenCount(), 0u) << "a handle was left open";
}

INSTANTIATE_TEST_SUITE_P(
    EachButtonAndDriver, TarnellPressTest,
    ::testing::Values(
        // The driver is closed before the 8000 ms; the handler's 1500 ms come last.
        PressCase{"GprsOnAccepted", 1000, Driver::Accepting,
                  {OpenGprs(H), GprsRequest(H, kGprsOn, 1), Closes(H), Waits(8000), Waits(1500)}},
        // The box comes before the close, and the 1500 ms after the last box.
        PressCase{"GprsOnRefused", 1000, Driver::Refusing,
                  {OpenGprs(H), GprsRequest(H, kGprsOn, 0), Box(u"GPRS ON Failed!!!"), Dismissed(), Closes(H),
                   Box(u"GPRS On Failed!"), Dismissed(), Waits(1500)}},
        // A failed open: its box, then the request on the null handle, and no close.
        PressCase{"GprsOnAbsent", 1000, Driver::Absent,
                  {OpenGprs(kInvalid), Box(u"GPRS ON Failed: CreateFile Failed!", 48), Dismissed(),
                   GprsRequest(kNull, kGprsOn, 0), Box(u"GPRS ON Failed!!!"), Dismissed(), Box(u"GPRS On Failed!"),
                   Dismissed(), Waits(1500)}},
        PressCase{"GprsOffAccepted", 1001, Driver::Accepting,
                  {OpenGprs(H), GprsRequest(H, kGprsOff, 1), Closes(H), Waits(2500)}},
        PressCase{"GprsOffRefused", 1001, Driver::Refusing,
                  {OpenGprs(H), GprsRequest(H, kGprsOff, 0), Box(u"GPRS OFF Failed!!!"), Dismissed(), Closes(H),
                   Box(u"GPRS OFF Failed!"), Dismissed()}},
        PressCase{"GprsOffAbsent", 1001, Driver::Absent,
                  {OpenGprs(kInvalid), GprsRequest(kNull, kGprsOff, 0), Box(u"GPRS OFF Failed!!!"), Dismissed(),
                   Box(u"GPRS OFF Failed!"), Dismissed()}},
        PressCase{"Backlight20Accepted", 1002, Driver::Accepting,
                  {OpenBacklight(H), LevelRequest(H, 0x14, 1), Closes(H)}},
        PressCase{"Backlight20Refused", 1002, Driver::Refusing,
                  {OpenBacklight(H), LevelRequest(H, 0x14, 0), Closes(H), Box(u"Set Back Light Failed!"), Dismissed()}},
        // The open is not tested: the request and the close both fail on the invalid handle.
        PressCase{"Backlight20Absent", 1002, Driver::Absent,
                  {OpenBacklight(kInvalid), LevelRequest(kInvalid, 0x14, 0), Closes(kInvalid, 0),
                   Box(u"Set Back Light Failed!"), Dismissed()}},
        PressCase{"Backlight80Accepted", 1003, Driver::Accepting,
                  {OpenBacklight(H), LevelRequest(H, 0x50, 1), Closes(H)}},
        PressCase{"Backlight80Refused", 1003, Driver::Refusing,
                  {OpenBacklight(H), LevelRequest(H, 0x50, 0), Closes(H), Box(u"Set Back Light Failed!"), Dismissed()}},
        PressCase{"Backlight80Absent", 1003, Driver::Absent,
                  {OpenBacklight(kInvalid), LevelRequest(kInvalid, 0x50, 0), Closes(kInvalid, 0),
                   Box(u"Set Back Light Failed!"), Dismissed()}},
        // The 3000 ms pass with the driver still open.
        PressCase{"WlanEnableAccepted", 1004, Driver::Accepting,
                  {OpenWlan(H), WlanRequest(H, kWlanOn, 1), Waits(3000), Closes(H)}},
        // A refused request costs the same wait and is now reported.
        PressCase{"WlanEnableRefused", 1004, Driver::Refusing,
                  {OpenWlan(H), WlanRequest(H, kWlanOn, 0), Waits(3000), Closes(H), Box(u"WLAN ON Failed!"), Dismissed()}},
        PressCase{"WlanEnableAbsent", 1004, Driver::Absent,
                  {OpenWlan(kInvalid), Box(u"ERROR: WLAN CreateFile Fail!", 48), Dismissed(), Box(u"WLAN ON Failed!"),
                   Dismissed()}},
        PressCase{"WlanDisableAccepted", 1005, Driver::Accepting,
                  {OpenWlan(H), WlanRequest(H, kWlanOff, 1), Waits(3000), Closes(H)}},
        PressCase{"WlanDisableRefused", 1005, Driver::Refusing,
                  {OpenWlan(H), WlanRequest(H, kWlanOff, 0), Waits(3000), Closes(H), Box(u"WLAN OFF Failed!"),
                   Dismissed()}},
        PressCase{"WlanDisableAbsent", 1005, Driver::Absent,
                  {OpenWlan(kInvalid), Box(u"ERROR: WLAN CreateFile Fail!", 48), Dismissed(), Box(u"WLAN OFF Failed!"),
                   Dismissed()}}),
    [](const auto& info) { return info.param.name; });

using TarnellHardwareTest = TarnellDialog;

TEST_F(TarnellHardwareTest, AcceptedPressesSwitchTheSimulatedHardware) {
    PlugRadios(Driver::Accepting);
    RunDialog<CTarnellDlg>("click 1000\nclick 1002\nclick 1004\ncancel\n");
    EXPECT_TRUE(gprs->on());
    EXPECT_EQ(backlight->level(), 20u);
    EXPECT_TRUE(wlan->on());
    RunDialog<CTarnellDlg>("click 1001\nclick 1003\nclick 1005\nok\n");
    EXPECT_FALSE(gprs->on());
    EXPECT_EQ(backlight->level(), 80u);
    EXPECT_FALSE(wlan->on());
}

TEST_F(TarnellHardwareTest, RefusedPressesLeaveTheHardwareAlone) {
    PlugRadios(Driver::Refusing);
    RunDialog<CTarnellDlg>("click 1000\ndismiss\ndismiss\nclick 1002\ndismiss\nclick 1004\ndismiss\ncancel\n");
    EXPECT_FALSE(frontEnd->Failed());
    EXPECT_FALSE(gprs->on());
    EXPECT_EQ(backlight->level(), 80u);
    EXPECT_FALSE(wlan->on());
}

// Notes which handle the module-level variable holds while the driver
// serves a request.
class HandleProbe : public ce::StreamDriver {
public:
    HandleProbe(ce::StreamDriver& inner, HANDLE* watched) : inner_(inner), watched_(watched) {}
    DWORD Open(DWORD access, DWORD share) override { return inner_.Open(access, share); }
    BOOL IOControl(DWORD context, DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                   DWORD* actualOut) override {
        seen.push_back(reinterpret_cast<intptr_t>(*watched_));
        return inner_.IOControl(context, code, in, inSize, out, outSize, actualOut);
    }
    BOOL Close(DWORD context) override { return inner_.Close(context); }
    std::vector<intptr_t> seen;

private:
    ce::StreamDriver& inner_;
    HANDLE* watched_;
};

TEST_F(TarnellHardwareTest, TheModuleHandlesHoldTheOpenHandleOnlyDuringTheOperation) {
    PlugRadios(Driver::Accepting);
    HandleProbe gprsProbe(*gprs, &g_hGprs), backlightProbe(*backlight, &g_hBacklight);
    Plug("GPR1:", gprsProbe, Driver::Accepting);
    Plug("BKL1:", backlightProbe, Driver::Accepting);
    RunDialog<CTarnellDlg>("click 1000\nclick 1001\nclick 1003\ncancel\n");
    EXPECT_EQ(gprsProbe.seen, (std::vector<intptr_t>{H, H + 4}));
    EXPECT_EQ(backlightProbe.seen, (std::vector<intptr_t>{H + 8}));
    EXPECT_EQ(g_hGprs, nullptr);
    EXPECT_EQ(g_hBacklight, nullptr);
}

// The operations pass any level through unchanged, with no range test.
TEST_F(TarnellHardwareTest, AnyLevelTravelsAsItsFourLittleEndianBytes) {
    PlugRadios(Driver::Accepting);
    EXPECT_TRUE(SetBacklightLevel(0x12345678));
    EXPECT_TRUE(MatchesSequence(Only(recorder->events, {"DeviceIoControl"}),
                                {Expect("DeviceIoControl").Hex("in", {0x78, 0x56, 0x34, 0x12}).Num("inSize", 4)}));
    EXPECT_EQ(backlight->level(), 0x12345678u);
}

}  // namespace
}  // namespace test
