// The modem, WLAN and backlight drivers: which requests they take, what they
// switch, and that a new setting is taken only once it is stored.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "drivers/backlight_driver.h"
#include "drivers/power_switch_driver.h"
#include "kernel/system.h"
#include "support/run.h"

namespace test {
namespace {

using terminal::BacklightDriver;
using terminal::CountSetting;
using terminal::LevelSetting;
using terminal::PowerSetting;
using terminal::PowerSwitchDriver;
using terminal::StateDir;

struct Request {
    std::string name;
    bool backlight;  // else the modem's switch
    DWORD code;
    std::vector<uint8_t> in;  // empty: no input buffer
    DWORD outSize;
    BOOL result;
    std::string after;  // "on"/"off", or the level
};
void PrintTo(const Request& r, std::ostream* os) { *os << r.name; }

class SwitchRequests : public ::testing::TestWithParam<Request> {
protected:
    void SetUp() override { ce::System::Reset(); }
};

TEST_P(SwitchRequests, TakeOnlyTheirOwnShapeOfRequest) {
    const Request& r = GetParam();
    PowerSwitchDriver modem("GPR1:", PowerSwitchDriver::kGprsPowerOn, PowerSwitchDriver::kGprsPowerOff, false, nullptr);
    BacklightDriver backlight(80, nullptr);
    ce::StreamDriver& driver = r.backlight ? static_cast<ce::StreamDriver&>(backlight) : modem;
    std::vector<uint8_t> out(8, 0xEE);
    DWORD returned = 7;
    BOOL result = driver.IOControl(driver.Open(GENERIC_READ, 0), r.code, r.in.empty() ? nullptr : r.in.data(),
                                   static_cast<DWORD>(r.in.size()), r.outSize ? out.data() : nullptr, r.outSize,
                                   &returned);
    EXPECT_EQ(result, r.result);
    EXPECT_EQ(r.backlight ? std::to_string(backlight.level()) : std::string(modem.on() ? "on" : "off"), r.after);
    EXPECT_EQ(out[0], 0xEE) << "these drivers give nothing back";
}

const DWORD kOn = PowerSwitchDriver::kGprsPowerOn, kOff = PowerSwitchDriver::kGprsPowerOff;
const DWORD kLevel = BacklightDriver::kSetLevel;

INSTANTIATE_TEST_SUITE_P(
    Shapes, SwitchRequests,
    ::testing::Values(Request{"On", false, kOn, {}, 0, TRUE, "on"}, Request{"Off", false, kOff, {}, 0, TRUE, "off"},
                      Request{"OnWithInput", false, kOn, {1, 0, 0, 0}, 0, FALSE, "off"},
                      Request{"OnWithOutput", false, kOn, {}, 4, FALSE, "off"},
                      Request{"WlanCodeToTheModem", false, PowerSwitchDriver::kWlanPowerOn, {}, 0, FALSE, "off"},
                      Request{"Level20", true, kLevel, {0x14, 0, 0, 0}, 0, TRUE, "20"},
                      Request{"LevelIsLittleEndian", true, kLevel, {0x00, 0x01, 0, 0}, 0, TRUE, "256"},
                      Request{"LevelMax", true, kLevel, {0xFF, 0xFF, 0xFF, 0xFF}, 0, TRUE, "4294967295"},
                      Request{"LevelThreeBytes", true, kLevel, {0x14, 0, 0}, 0, FALSE, "80"},
                      Request{"LevelFiveBytes", true, kLevel, {0x14, 0, 0, 0, 0}, 0, FALSE, "80"},
                      Request{"LevelNoInput", true, kLevel, {}, 0, FALSE, "80"},
                      Request{"LevelWithOutput", true, kLevel, {0x14, 0, 0, 0}, 4, FALSE, "80"},
                      Request{"OtherCodeToTheBacklight", true, kOn, {}, 0, FALSE, "80"}),
    [](const auto& info) { return info.param.name; });

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ce::System::Reset();
        ASSERT_FALSE(dir.Ensure());
    }
    // Why the setting in `file` can't be used, if it can't.
    std::optional<std::string> LoadError(const std::string& file) const {
        auto error = [](auto loaded) -> std::optional<std::string> {
            if (auto* e = std::get_if<std::string>(&loaded)) return *e;
            return std::nullopt;
        };
        if (file == "backlight-level") return error(LevelSetting(dir, file).Load());
        if (file == "suspend-count") return error(CountSetting(dir, file).Load());
        return error(PowerSetting(dir, file).Load());
    }
    TempDir root;
    StateDir dir{root / "state"};
};

TEST_F(SettingsTest, ANewTerminalHasTheModulesOffAndTheBacklightAt80) {
    EXPECT_EQ(std::get<bool>(PowerSetting(dir, "gprs-power").Load()), false);
    EXPECT_EQ(std::get<uint32_t>(LevelSetting(dir, "backlight-level").Load()), 80u);
}

TEST_F(SettingsTest, AcceptedRequestsAreStoredAsReadableLines) {
    PowerSetting power(dir, "gprs-power");
    LevelSetting level(dir, "backlight-level");
    PowerSwitchDriver modem("GPR1:", kOn, kOff, false, &power);
    BacklightDriver backlight(80, &level);
    ASSERT_TRUE(modem.IOControl(1, kOn, nullptr, 0, nullptr, 0, nullptr));
    BYTE twenty[4] = {0x14, 0, 0, 0};
    ASSERT_TRUE(backlight.IOControl(1, kLevel, twenty, 4, nullptr, 0, nullptr));
    EXPECT_EQ(ReadFile(dir.FilePath("gprs-power")), "on\n");
    EXPECT_EQ(ReadFile(dir.FilePath("backlight-level")), "20\n");
    EXPECT_EQ(std::get<bool>(power.Load()), true);
    EXPECT_EQ(std::get<uint32_t>(level.Load()), 20u);
}

TEST_F(SettingsTest, ARequestWhoseSettingCannotBeStoredIsRefusedAndChangesNothing) {
    PowerSetting power(dir, "wlan-power");
    ASSERT_FALSE(power.Save(false));
    ce::System::Get().faults.FailCall("Store", 1);
    PowerSwitchDriver wlan("SDH1:", PowerSwitchDriver::kWlanPowerOn, PowerSwitchDriver::kWlanPowerOff, false, &power);
    EXPECT_FALSE(wlan.IOControl(1, PowerSwitchDriver::kWlanPowerOn, nullptr, 0, nullptr, 0, nullptr));
    EXPECT_FALSE(wlan.on());
    EXPECT_EQ(ReadFile(dir.FilePath("wlan-power")), "off\n");
}

TEST_F(SettingsTest, ADamagedSettingIsReportedAndLeftAsItIs) {
    struct Damage {
        const char* file;
        std::string content;
    };
    for (const Damage& d :
         {Damage{"gprs-power", "ON\n"}, Damage{"gprs-power", ""}, Damage{"gprs-power", "on\n\n"},
          Damage{"backlight-level", "-1\n"}, Damage{"backlight-level", "4294967296\n"}, Damage{"backlight-level", "20 \n"},
          Damage{"backlight-level", "\n"}, Damage{"suspend-count", "garbage\n"}, Damage{"suspend-count", "-7\n"},
          Damage{"suspend-count", "12abc\n"}, Damage{"suspend-count", "+5\n"}, Damage{"suspend-count", ""},
          Damage{"suspend-count", "9223372036854775808\n"}, Damage{"suspend-count", "99999999999999999999\n"}}) {
        WriteFile(dir.FilePath(d.file), d.content);
        std::optional<std::string> error = LoadError(d.file);
        ASSERT_TRUE(error) << d.file << " \"" << d.content << "\" was taken";
        EXPECT_NE(error->find("is damaged"), std::string::npos) << *error;
        EXPECT_NE(error->find(dir.FilePath(d.file)), std::string::npos) << *error;
        EXPECT_EQ(ReadFile(dir.FilePath(d.file)), d.content);
    }
}

TEST_F(SettingsTest, ACountTakesEveryDecimalUpToItsLargestAndStopsThere) {
    CountSetting count(dir, "suspend-count");
    for (auto [content, value] : {std::pair<std::string, uint64_t>{"0\n", 0}, {"7", 7}, {"007\n", 7},
                                  {"9223372036854775807\n", CountSetting::kMax}}) {
        WriteFile(dir.FilePath("suspend-count"), content);
        EXPECT_EQ(std::get<uint64_t>(count.Load()), value) << content;
    }
    EXPECT_EQ(std::get<uint64_t>(count.Increment()), CountSetting::kMax) << "saturates, never wraps";
    EXPECT_EQ(ReadFile(dir.FilePath("suspend-count")), "9223372036854775807\n");
}

TEST_F(SettingsTest, ADamagedCountIsNotCountedOn) {
    CountSetting count(dir, "suspend-count");
    WriteFile(dir.FilePath("suspend-count"), "12abc\n");
    EXPECT_EQ(count.Increment().index(), 1u);
    EXPECT_EQ(ReadFile(dir.FilePath("suspend-count")), "12abc\n");
}

}  // namespace
}  // namespace test
