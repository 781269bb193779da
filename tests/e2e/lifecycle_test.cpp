// Velkin's life on the simulated terminal: start-up, the dialog, the
// exit-time power-down after it, and the state that persists between runs.
#include <sys/stat.h>

#include "e2e/e2e_fixture.h"

namespace test {
namespace {

const std::set<std::string> kLifecycle = {"AfxWinInit", "dialog", "destroy", "KernelIoControl", "messageBox",
                                          "dismiss", "appDestroyed", "exit"};

Expect PowerDown(int result) {
    return Expect("KernelIoControl").Num("code", 0x01013F00).Hex("in", {0, 0, 0, 0}).Num("inSize", 4).Num("outSize", 0).Num("result", result);
}
Expect PowerDownFail(const std::u16string& caption = u"Velkin") {
    return Expect("messageBox").Text("text", u"Power Down Fail!!!").Text("caption", caption).Num("type", 0).Num("shownType", 0x10030);
}
Expect Exit(int code) { return Expect("exit").Num("code", code).Num("openHandles", 0).Num("windows", 0); }

TEST_F(SimTest, ThePowerDownRequestIsMadeOnceAfterTheDialogIsGone) {
    SimRun run = Sim({}, "ok\n");
    EXPECT_EQ(run.result.status, 0) << run.result.err;
    EXPECT_TRUE(MatchesSequence(Only(run.events, kLifecycle),
                                {Expect("AfxWinInit").Num("result", 1), Expect("dialog").Num("id", 102), Expect("destroy").Num("id", 102),
                                 PowerDown(1), Expect("appDestroyed"), Exit(0)}));
}

TEST_F(SimTest, ARefusedPowerDownShowsItsBoxAfterTheDialogAndBeforeTheProcessEnds) {
    SimRun run = Sim({"--refuse", "HAL"}, "cancel\ndismiss\n");
    EXPECT_EQ(run.result.status, 0) << run.result.err;
    EXPECT_TRUE(MatchesSequence(Only(run.events, kLifecycle),
                                {Expect("AfxWinInit"), Expect("dialog"), Expect("destroy"), PowerDown(0), PowerDownFail(),
                                 Expect("dismiss"), Expect("appDestroyed"), Exit(0)}));
}

TEST_F(SimTest, AnAbsentHalIsARefusalToo) {
    SimRun run = Sim({"--absent", "HAL"}, "ok\ndismiss\n");
    EXPECT_EQ(run.result.status, 0) << run.result.err;
    EXPECT_EQ(Only(run.events, {"messageBox"}).size(), 1u);
}

TEST_F(SimTest, AFrameworkStartUpFailureStillMakesTheRequestAtExit) {
    SimRun run = Sim({"--fail-startup", "--refuse", "HAL"}, "dismiss\n");
    EXPECT_TRUE(MatchesSequence(Only(run.events, kLifecycle),
                                {Expect("AfxWinInit").Num("result", 0), PowerDown(0), PowerDownFail(), Expect("dismiss"),
                                 Expect("appDestroyed"), Exit(-1)}));
    EXPECT_EQ(run.result.status, 255) << "AfxWinMain's -1 is the process's exit code";
}

TEST_F(SimTest, ARenamedExecutableCaptionsItsBoxesWithItsNewName) {
    TempDir bin;
    std::string renamed = bin / "Renamed";
    WriteFile(renamed, ReadFile(VELKIN_EXE));
    chmod(renamed.c_str(), 0755);
    SimRun run = Sim({"--refuse", "FIO1:", "--refuse", "HAL"}, "click 1001\ndismiss\nok\ndismiss\n", renamed);
    EXPECT_EQ(run.result.status, 0) << run.result.err;
    auto boxes = Only(run.events, {"messageBox"});
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_TRUE(MatchesSequence(boxes, {Expect("messageBox").Text("caption", u"Renamed"), PowerDownFail(u"Renamed")}));
}

TEST_F(SimTest, OkAndCancelNeverWrite) {
    for (const char* close : {"ok", "cancel"}) {
        Sim({"--device-id", "KEEP"}, "");  // stores the ID (the empty script is cancelled)
        SimRun run = Sim({}, std::string("set-text 1000 \"CHANGED\"\n") + close + "\n");
        EXPECT_EQ(run.result.status, 0) << close << ": " << run.result.err;
        EXPECT_TRUE(Only(run.events, {"stored"}).empty()) << close;
        EXPECT_EQ(StoredId(), Id64("KEEP")) << close;
    }
}

TEST_F(SimTest, TheWrittenIdIsWhatTheNextRunReads) {
    SimRun first = Sim({}, "set-text 1000 \"中文-42\"\nclick 1001\nok\n");
    ASSERT_EQ(first.result.status, 0) << first.result.err;
    EXPECT_EQ(StoredId(), Id64("\xD6\xD0\xCE\xC4-42"));
    SimRun second = Sim({}, "ok\n");
    EXPECT_TRUE(MatchesSequence(Only(second.events, {"setText"}), {Expect("setText").Num("id", 1000).Text("text", u"中文-42")}));
}

TEST_F(SimTest, AScriptEndingWithTheDialogOpenClosesItAsCancelAndEndsWithStatus2) {
    SimRun run = Sim({}, "set-text 1000 \"UNSAVED\"\n");
    EXPECT_EQ(run.result.status, 2);
    EXPECT_NE(run.result.err.find("still open"), std::string::npos) << run.result.err;
    EXPECT_TRUE(MatchesSequence(Only(run.events, {"leftOpen", "endDialog", "KernelIoControl", "exit"}),
                                {Expect("leftOpen").Text("what", u"dialog 102 \"Velkin\""), Expect("endDialog").Num("result", 2),
                                 PowerDown(1), Exit(0)}));
    EXPECT_TRUE(Only(run.events, {"stored"}).empty());
}

TEST_F(SimTest, ActionsLeftWhenTheProgramEndsAreReportedWithTheirLine) {
    SimRun run = Sim({}, "ok\nclick 1001\n");
    EXPECT_EQ(run.result.status, 2);
    EXPECT_NE(run.result.err.find("script line 2: click: the program ended before this action"), std::string::npos)
        << run.result.err;
    EXPECT_TRUE(MatchesSequence(Only(run.events, {"scriptUnused", "exit"}), {Expect("scriptUnused").Num("line", 2), Exit(0)}));
}

TEST_F(SimTest, WaitsPassTerminalTime) {
    SimRun run = Sim({}, "wait 1500\nok\n");
    auto end = Only(run.events, {"endDialog"});
    ASSERT_EQ(end.size(), 1u);
    EXPECT_EQ(end[0].t, 1500);
}

TEST_F(SimTest, ADamagedStateFileIsReportedAndLeftAlone) {
    WriteFile(state / "device-id", "short");
    SimRun run = Sim({}, "ok\n");
    EXPECT_EQ(run.result.status, 2);
    EXPECT_NE(run.result.err.find("damaged (5 bytes"), std::string::npos) << run.result.err;
    EXPECT_EQ(std::count(run.result.err.begin(), run.result.err.end(), '\n'), 1);
    EXPECT_EQ(StoredId(), "short");
}

TEST(DirectRun, TheExecutableAloneUsesTheDefaultStateAndTakesItsScriptFromInput) {
    TempDir home;
    RunResult r = RunCommand({VELKIN_EXE}, "set-text 1000 \"DIRECT\"\nclick 1001\nok\n", {"XDG_STATE_HOME=" + home.path()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("starts with the factory ID \"SIM00001\""), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("the terminal suspends"), std::string::npos) << r.out;
    EXPECT_EQ(ReadFile(home / "terminal-sim/device-id"), Id64("DIRECT"));
}

}  // namespace
}  // namespace test
