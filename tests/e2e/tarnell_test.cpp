// Tarnell's life on the simulated terminal: the dialog, the waits in
// terminal time, the full power-down at exit, the hardware state that
// persists between runs, and terminal-sim --status.
#include <sys/stat.h>

#include "e2e/e2e_fixture.h"

namespace test {
namespace {

class TarnellRun : public SimTest {
protected:
    SimRun Run(const std::vector<std::string>& extra, const std::string& script) {
        return Sim(extra, script, "Tarnell");
    }
    RunResult Status(const std::vector<std::string>& extra = {}) {
        std::vector<std::string> argv = {TERMINAL_SIM, "--state", state.path()};
        argv.insert(argv.end(), extra.begin(), extra.end());
        argv.push_back("--status");
        return RunCommand(argv);
    }
};

Expect User(const char* action) { return Expect("user").Text("action", std::u16string(action, action + strlen(action))); }

TEST_F(TarnellRun, ASuccessfulGprsPowerOnKeepsTheDialogBusyNineAndAHalfSeconds) {
    SimRun run = Run({}, "click 1000\nok\n");
    ASSERT_EQ(run.result.status, 0) << run.result.err;
    auto user = Only(run.events, {"user"});
    ASSERT_TRUE(MatchesSequence(user, {User("click").Num("id", 1000), User("ok")}));
    EXPECT_EQ(user[1].t - user[0].t, 9500) << "the next input is taken 9.5 s of terminal time later";
    EXPECT_TRUE(Only(run.events, {"messageBox"}).empty());
    EXPECT_EQ(ReadFile(state / "gprs-power"), "on\n");
}

TEST_F(TarnellRun, ClosingByOkOrCancelRunsNoOperation) {
    for (const char* close : {"ok\n", "cancel\n"}) {
        SimRun run = Run({}, close);
        EXPECT_EQ(run.result.status, 0) << close << run.result.err;
        EXPECT_TRUE(Only(run.events, {"CreateFileW", "DeviceIoControl", "Sleep", "stored"}).empty()) << close;
    }
}

TEST_F(TarnellRun, OpensCentredWithTheFocusOnGprsPowerOn) {
    SimRun run = Run({}, "ok\n");
    EXPECT_TRUE(MatchesSequence(Only(run.events, {"AfxEnableControlContainer", "dialog", "focus"}),
                                {Expect("AfxEnableControlContainer"),
                                 Expect("dialog").Num("id", 102).Text("caption", u"Tarnell").Num("x", 39).Num("y", 36)
                                     .Num("width", 162).Num("height", 248),
                                 Expect("focus").Num("id", 1000)}));
}

const std::set<std::string> kExit = {"destroy", "CloseHandle", "KernelIoControl", "messageBox", "dismiss",
                                     "appDestroyed", "exit"};

Expect PowerDown(int result) {
    return Expect("KernelIoControl").Num("code", 0x01013F00).Hex("in", {0, 0, 0, 0}).Num("inSize", 4).Num("outSize", 0)
        .Num("result", result);
}

// The teardown closes m_hAux (null) and m_hPort (invalid); both fail and the request still goes out.
TEST_F(TarnellRun, TheTeardownClosesItsTwoHandlesThenMakesTheRequest) {
    SimRun run = Run({}, "cancel\n");
    EXPECT_EQ(run.result.status, 0) << run.result.err;
    EXPECT_TRUE(MatchesSequence(Only(run.events, kExit),
                                {Expect("destroy").Num("id", 102), Expect("CloseHandle").Num("handle", 0).Num("result", 0),
                                 Expect("CloseHandle").Num("handle", -1).Num("result", 0), PowerDown(1),
                                 Expect("appDestroyed"), Expect("exit").Num("code", 0).Num("openHandles", 0)}));
}

TEST_F(TarnellRun, ARefusingHalShowsPowerDownFailBeforeTheApplicationGoes) {
    SimRun run = Run({"--refuse", "HAL"}, "ok\ndismiss\n");
    EXPECT_EQ(run.result.status, 0) << run.result.err;
    EXPECT_TRUE(MatchesSequence(Only(run.events, kExit),
                                {Expect("destroy"), Expect("CloseHandle").Num("handle", 0), Expect("CloseHandle").Num("handle", -1),
                                 PowerDown(0),
                                 Expect("messageBox").Text("text", u"Power Down Fail!!!").Text("caption", u"Tarnell").Num("type", 0),
                                 Expect("dismiss"), Expect("appDestroyed"), Expect("exit").Num("code", 0)}));
}

TEST_F(TarnellRun, AnAbsentModemShowsBothBoxesThenTheHandlersAndStillWaits) {
    SimRun run = Run({"--absent", "GPR1:"}, "click 1000\ndismiss\ndismiss\ndismiss\nok\n");
    EXPECT_EQ(run.result.status, 0) << run.result.err;
    EXPECT_TRUE(MatchesSequence(Only(run.events, {"messageBox", "Sleep"}),
                                {Expect("messageBox").Text("text", u"GPRS ON Failed: CreateFile Failed!").Num("type", 48),
                                 Expect("messageBox").Text("text", u"GPRS ON Failed!!!").Num("type", 0),
                                 Expect("messageBox").Text("text", u"GPRS On Failed!").Num("type", 0),
                                 Expect("Sleep").Num("ms", 1500)}));
}

TEST_F(TarnellRun, TheHardwareStatePersistsAndTheStatusShowsIt) {
    SimRun first = Run({}, "click 1000\nclick 1002\nclick 1004\nok\n");
    ASSERT_EQ(first.result.status, 0) << first.result.err;
    RunResult on = Status();
    EXPECT_EQ(on.status, 0) << on.err;
    for (const char* line : {"GPRS modem (GPR1:)    on\n", "backlight (BKL1:)     level 20\n", "WLAN module (SDH1:)   on\n",
                             "HAL                   suspended 1 time"})
        EXPECT_NE(on.out.find(line), std::string::npos) << line << "\n" << on.out;

    // The next run starts from that state; a refused request leaves it.
    SimRun second = Run({"--refuse", "SDH1:"}, "click 1001\nclick 1003\nclick 1005\ndismiss\nok\n");
    ASSERT_EQ(second.result.status, 0) << second.result.err;
    RunResult after = Status();
    for (const char* line : {"GPRS modem (GPR1:)    off\n", "backlight (BKL1:)     level 80\n", "WLAN module (SDH1:)   on\n",
                             "suspended 2 times"})
        EXPECT_NE(after.out.find(line), std::string::npos) << line << "\n" << after.out;
}

TEST_F(TarnellRun, ADamagedSettingStopsTheRunWithOneLine) {
    WriteFile(state / "backlight-level", "bright\n");
    SimRun run = Run({}, "ok\n");
    EXPECT_EQ(run.result.status, 2);
    EXPECT_NE(run.result.err.find("backlight-level is damaged"), std::string::npos) << run.result.err;
    EXPECT_EQ(ReadFile(state / "backlight-level"), "bright\n");
}

TEST_F(TarnellRun, StatusOfANewTerminalShowsTheFactoryStateAndWritesNothing) {
    std::string fresh = state / "never-made";
    RunResult r = RunCommand({TERMINAL_SIM, "--state", fresh, "--status"});
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* line : {"\"SIM00001\" in code page 936 (factory setting", "53 49 4d 30 30 30 30 31, then 56 zero bytes",
                             "GPRS modem (GPR1:)    off (factory", "level 80 (factory", "suspended 0 times"})
        EXPECT_NE(r.out.find(line), std::string::npos) << line << "\n" << r.out;
    struct stat st;
    EXPECT_NE(stat(fresh.c_str(), &st), 0) << "--status must not create the state";
}

TEST_F(TarnellRun, StatusShowsAStoredIdAsTextInTheCodePageAndAsHex) {
    RunResult r = Status({"--device-id-hex", "d6d0cec4 2d 07"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\"中文-\\x07\" in code page 936\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("d6 d0 ce c4 2d 07, then 58 zero bytes"), std::string::npos) << r.out;
}

TEST_F(TarnellRun, StatusNamesADamagedFileAndEndsWithStatus1) {
    WriteFile(state / "gprs-power", "maybe\n");
    RunResult r = Status();
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.out.find("GPRS modem (GPR1:)    cannot be used: the stored setting"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("WLAN module (SDH1:)   off"), std::string::npos) << "the other devices are still shown";
}

}  // namespace
}  // namespace test
