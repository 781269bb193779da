// The interactive screen in a real text terminal: terminal-sim under tmux,
// driven with keys, read back from the pane.
#include <gtest/gtest.h>

#include "screen/tmux_session.h"
#include "support/json_lines.h"
#include "support/run.h"
#include "support/sequence.h"

namespace test {
namespace {

class ScreenTest : public ::testing::Test {
protected:
    // A shell that says something first, runs terminal-sim, then says how it
    // ended and stays, so that the test can see the shell's screen again.
    std::string Shell(const std::string& args) const {
        return "echo BEFORE-THE-RUN; trap : INT; " + std::string(TERMINAL_SIM) + " --state " + state.path() + " " + args +
               "; echo \"ended with $?\"; sleep 60";
    }
    TempDir state;
};

#define EXPECT_SHOWS(session, text) EXPECT_TRUE((session).WaitFor(text)) << "never showed " << (text) << ":\n" << (session).Screen()

TEST_F(ScreenTest, VelkinShowsItsDialogWithTheStoredId) {
    TmuxSession t(Shell("--device-id ID-0042 Velkin"));
    EXPECT_SHOWS(t, "设备ID：");
    std::string screen = t.Screen();
    EXPECT_NE(screen.find("确定"), std::string::npos) << screen;
    EXPECT_NE(screen.find("设备ID：   ID-0042"), std::string::npos) << "the ID in the edit box:\n" << screen;
    EXPECT_NE(screen.find("\"ID-0042\""), std::string::npos) << "and in the panel:\n" << screen;
}

TEST_F(ScreenTest, ATypedIdThatTheDriverRefusesShowsTheFailureBox) {
    TmuxSession t(Shell("--refuse FIO1: Velkin"));
    // A refused read shows "00".
    ASSERT_TRUE(t.WaitFor("设备ID：   00")) << t.Screen();
    t.Keys({"End", "BSpace"});
    t.Type("新");
    EXPECT_SHOWS(t, "设备ID：   0新");
    t.Keys({"Tab", "Enter"});
    EXPECT_SHOWS(t, "设置设备ID失败！");
    t.Keys({"Enter"});
    EXPECT_TRUE(t.WaitUntilGone("设置设备ID失败！")) << t.Screen();
    EXPECT_NE(t.Screen().find("设备ID：   0新"), std::string::npos) << "the dialog stays, with the text";
}

TEST_F(ScreenTest, PastedTextArrivesWhole) {
    TempDir out;
    TmuxSession t(Shell("--transcript " + (out / "t.jsonl") + " Velkin"));
    ASSERT_TRUE(t.WaitFor("SIM00001")) << t.Screen();
    t.Keys({"BSpace", "BSpace", "BSpace", "BSpace", "BSpace", "BSpace", "BSpace", "BSpace"});
    t.Paste("粘贴的 ID 42");
    EXPECT_SHOWS(t, "粘贴的 ID 42");
    t.Keys({"Enter"});
    ASSERT_TRUE(t.WaitFor("The terminal is suspended.")) << t.Screen();
    t.Keys({"x"});
    ASSERT_TRUE(t.WaitFor("ended with 0")) << t.Screen();
    auto typed = Only(ParseTranscript(ReadFile(out / "t.jsonl")), {"user"});
    ASSERT_GE(typed.size(), 2u);
    EXPECT_TRUE(MatchesSequence(std::vector<Event>(typed.end() - 2, typed.end()),
                                {Expect("user").Text("action", u"set-text").Text("text", u"粘贴的 ID 42"),
                                 Expect("user").Text("action", u"ok")}))
        << "one set-text for the whole paste";
}

TEST_F(ScreenTest, EscEndsTheProgramTheTerminalSuspendsAndTheShellComesBack) {
    TmuxSession t(Shell("Velkin"));
    ASSERT_TRUE(t.WaitFor("设备ID：")) << t.Screen();
    t.Keys({"Escape"});
    EXPECT_SHOWS(t, "The terminal is suspended.");
    EXPECT_NE(t.Screen().find("HAL                 suspended"), std::string::npos) << t.Screen();
    t.Keys({"x"});
    EXPECT_SHOWS(t, "ended with 0");
    std::string screen = t.Screen();
    EXPECT_NE(screen.find("BEFORE-THE-RUN"), std::string::npos) << screen;
    EXPECT_EQ(screen.find("Handheld terminal"), std::string::npos) << "the shell's screen is back:\n" << screen;
}

TEST_F(ScreenTest, ARefusingHalShowsItsBoxAndTheProgramEnds) {
    TmuxSession t(Shell("--refuse HAL Velkin"));
    ASSERT_TRUE(t.WaitFor("设备ID：")) << t.Screen();
    t.Keys({"Escape"});
    EXPECT_SHOWS(t, "Power Down Fail!!!");
    t.Keys({"Enter"});
    EXPECT_SHOWS(t, "ended with 0");
    EXPECT_EQ(t.Screen().find("suspended"), std::string::npos);
}

TEST_F(ScreenTest, TarnellsSixButtonsAndTheBusyBarDuringAWait) {
    TmuxSession t(Shell("Tarnell"));
    ASSERT_TRUE(t.WaitFor("WLAN Disable")) << t.Screen();
    std::string screen = t.Screen();
    for (const char* button : {"[  GPRS Power On  ]", "[ GPRS Power Off  ]", "[  Back Light=20  ]", "[  Back Light=80  ]",
                               "[   WLAN Enable   ]", "[  WLAN Disable   ]"})
        EXPECT_NE(screen.find(button), std::string::npos) << button << "\n" << screen;
    // The focus starts on "GPRS Power On"; four down is "WLAN Enable", which waits 3 s.
    t.Keys({"Down", "Down", "Down", "Down", "Enter"});
    EXPECT_SHOWS(t, "of 3.0 s [");
    EXPECT_NE(t.Screen().find("busy "), std::string::npos);
    t.Type("x");
    EXPECT_SHOWS(t, "input dropped");
    EXPECT_TRUE(t.WaitUntilGone("of 3.0 s")) << t.Screen();
    EXPECT_SHOWS(t, "WLAN module (SDH1:) on");
    t.Keys({"Escape"});
    ASSERT_TRUE(t.WaitFor("suspended")) << t.Screen();
    t.Keys({"x"});
    EXPECT_SHOWS(t, "ended with 0");
    EXPECT_EQ(ReadFile(state / "wlan-power"), "on\n");
}

TEST_F(ScreenTest, TheHomeScreenStartsBothProgramsAndComesBack) {
    TmuxSession t(Shell(""));
    ASSERT_TRUE(t.WaitFor("Programs")) << t.Screen();
    EXPECT_NE(t.Screen().find("Velkin"), std::string::npos);
    EXPECT_NE(t.Screen().find("Tarnell"), std::string::npos);
    t.Keys({"Enter"});
    EXPECT_SHOWS(t, "设备ID：");
    t.Keys({"Escape"});
    ASSERT_TRUE(t.WaitFor("The terminal is suspended.")) << t.Screen();
    t.Keys({"x"});
    EXPECT_SHOWS(t, "Velkin ended with exit code 0.");
    t.Keys({"Down", "Enter"});
    EXPECT_SHOWS(t, "GPRS Power On");
    t.Keys({"Escape"});
    ASSERT_TRUE(t.WaitFor("The terminal is suspended.")) << t.Screen();
    t.Keys({"x"});
    EXPECT_SHOWS(t, "Tarnell ended with exit code 0.");
    EXPECT_NE(t.Screen().find("suspended 2 times"), std::string::npos) << "the panel reads the state:\n" << t.Screen();
    t.Keys({"Escape"});
    EXPECT_SHOWS(t, "ended with 0");
    EXPECT_NE(t.Screen().find("BEFORE-THE-RUN"), std::string::npos);
}

TEST_F(ScreenTest, CtrlCStopsTheProgramAndGivesTheTerminalBack) {
    TmuxSession t(Shell("Velkin"));
    ASSERT_TRUE(t.WaitFor("设备ID：")) << t.Screen();
    t.Keys({"C-c"});
    EXPECT_SHOWS(t, "ended with 130");
    std::string screen = t.Screen();
    EXPECT_NE(screen.find("BEFORE-THE-RUN"), std::string::npos) << screen;
    EXPECT_EQ(screen.find("Handheld terminal"), std::string::npos) << screen;
}

TEST_F(ScreenTest, ATooSmallTerminalSaysWhatItNeedsAndAResizeRedraws) {
    TmuxSession t(Shell("Velkin"), 70, 20);
    EXPECT_SHOWS(t, "needs a window of at least 80 x 28 characters");
    t.Resize(100, 30);
    EXPECT_SHOWS(t, "设备ID：");
}

}  // namespace
}  // namespace test
