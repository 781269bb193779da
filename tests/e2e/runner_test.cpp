// terminal-sim's bad input: one line on standard error, status 2, and the
// terminal's state untouched.
#include "e2e/e2e_fixture.h"

namespace test {
namespace {

struct BadRun {
    std::string name;
    std::vector<std::string> args;  // before the program
    std::string script;             // standard input
    std::string says;
};
void PrintTo(const BadRun& c, std::ostream* os) { *os << c.name; }

class BadRunnerRun : public SimTest, public ::testing::WithParamInterface<BadRun> {};

TEST_P(BadRunnerRun, SaysWhatIsWrongInOneLineAndTouchesNothing) {
    const BadRun& c = GetParam();
    WriteFile(state / "device-id", Id64("BEFORE"));
    std::vector<std::string> argv = {TERMINAL_SIM, "--state", state.path()};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    RunResult r = RunCommand(argv, c.script);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(r.err.rfind("terminal-sim: ", 0), 0u) << r.err;
    EXPECT_EQ(StoredId(), Id64("BEFORE"));
    EXPECT_TRUE(r.out.empty()) << "the program must not have run: " << r.out;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, BadRunnerRun,
    ::testing::Values(
        BadRun{"UnknownOption", {"--colour", "--script", "-", "Velkin"}, "ok\n", "unknown option --colour"},
        BadRun{"UnknownDriver", {"--absent", "GPS1:", "--script", "-", "Velkin"}, "ok\n", "unknown driver"},
        BadRun{"BadHex", {"--device-id-hex", "4x", "--script", "-", "Velkin"}, "ok\n", "not hex"},
        BadRun{"IdOver64Bytes", {"--device-id", std::string(65, 'A'), "--script", "-", "Velkin"}, "ok\n", "over the 64"},
        BadRun{"UnsupportedCodePage", {"--code-page", "1", "--script", "-", "Velkin"}, "ok\n", "unsupported code page"},
        BadRun{"UnreadableScript", {"--script", "/nonexistent/script", "Velkin"}, "", "cannot read the script"},
        BadRun{"MalformedScriptLine", {"--device-id", "NEW", "--script", "-", "Velkin"}, "ok\n\nclick 10o1\n",
               "line 3: click needs a control id"},
        BadRun{"UnwritableTranscript", {"--transcript", "/nonexistent/t.jsonl", "--script", "-", "Velkin"}, "ok\n",
               "cannot write the transcript"},
        BadRun{"NoSuchProgram", {"--script", "-", "Nope"}, "ok\n", "no program Nope"},
        BadRun{"NoScriptNoScreen", {"Velkin"}, "", "--script"},
        BadRun{"NoScreenForTheHomeScreen", {}, "", "terminal-sim --script FILE"},
        BadRun{"ScriptWithoutAProgram", {"--script", "-"}, "ok\n", "which program"},
        BadRun{"TranscriptOnTheScreen", {"--transcript", "-", "Velkin"}, "", "--transcript - needs --script"}),
    [](const auto& info) { return info.param.name; });

TEST_F(SimTest, HelpExplainsTheRun) {
    RunResult r = RunCommand({TERMINAL_SIM, "--help"});
    EXPECT_EQ(r.status, 0);
    for (const char* topic : {"--absent", "--refuse", "--state", "--script", "--transcript", "set-text", "dismiss",
                              "~/.local/state/terminal-sim", "FIO1:", "HAL"})
        EXPECT_NE(r.out.find(topic), std::string::npos) << topic;
}

TEST_F(SimTest, TheDeviceIdOptionsStoreBeforeTheProgramStarts) {
    SimRun hex = Sim({"--device-id-hex", "d6d0cec4"}, "ok\n");
    EXPECT_TRUE(MatchesSequence(Only(hex.events, {"setText"}), {Expect("setText").Num("id", 1000).Text("text", u"中文")}));
    SimRun text = Sim({"--code-page", "1252", "--device-id", "café"}, "ok\n");
    EXPECT_EQ(StoredId(), Id64("caf\xE9"));
    EXPECT_TRUE(MatchesSequence(Only(text.events, {"setText"}), {Expect("setText").Num("id", 1000).Text("text", u"café")}));
}

TEST_F(SimTest, WithoutATranscriptARunTellsWhatTheUserSaw) {
    RunResult r = RunCommand({TERMINAL_SIM, "--state", state.path(), "--refuse", "FIO1:", "--script", "-", "Velkin"},
                      "click 1001\ndismiss\nok\n");
    EXPECT_EQ(r.status, 0) << r.err;
    for (const char* seen : {"the dialog \"Velkin\"", "a message box \"Velkin\" says \"设置设备ID失败！\"", "> the user: click 1001",
                             "the terminal suspends"})
        EXPECT_NE(r.out.find(seen), std::string::npos) << seen << "\n" << r.out;
}

}  // namespace
}  // namespace test
