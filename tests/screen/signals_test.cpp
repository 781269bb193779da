// The user's terminal after a signal: whatever ends or stops the program,
// the pane is back in its normal screen with every mode off and its termios
// as before, and the shell sees the program end by that signal. Run from a
// plain sh, which repairs nothing itself.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <thread>

#include "screen/tmux_session.h"
#include "support/run.h"

namespace test {
namespace {

const char kModesOff[] = "alt=0 mouse=0 keypad=0 cursor=0";
const char kModesOn[] = "alt=1 mouse=1 keypad=1 cursor=1";

std::string Modes(const TmuxSession& t) {
    return t.Format("alt=#{alternate_on} mouse=#{mouse_any_flag} keypad=#{keypad_flag} cursor=#{keypad_cursor_flag}");
}

bool WaitForModes(const TmuxSession& t, const std::string& modes) {
    for (int i = 0; i < 200 && Modes(t) != modes; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return Modes(t) == modes;
}

class SignalTest : public ::testing::Test {
protected:
    // sh keeps the terminal's modes before and after the run, and says how it ended.
    std::string Shell(const std::string& args) const {
        return "stty -a > " + (files / "before") + "; " + std::string(TERMINAL_SIM) + " --state " + state.path() + " " +
               args + "; echo \"ended with $?\"; stty -a > " + (files / "after") + "; sleep 60";
    }
    // The one process sh is running now.
    int Running(const TmuxSession& t) const {
        auto children = t.Children(t.PanePid());
        return children.size() == 1 ? children[0] : -1;
    }
    // The pane's processes running the simulated terminal: terminal-sim or a program.
    std::vector<int> Simulated(const TmuxSession& t) const {
        std::vector<int> found, pending = {t.PanePid()};
        while (!pending.empty()) {
            int pid = pending.back();
            pending.pop_back();
            for (int child : t.Children(pid)) {
                std::string name = ReadFile("/proc/" + std::to_string(child) + "/comm");
                if (name == "terminal-sim\n" || name == "Velkin\n" || name == "Tarnell\n") found.push_back(child);
                pending.push_back(child);
            }
        }
        return found;
    }
    // Waits until the pane runs none of them any more.
    bool Ended(const TmuxSession& t) const {
        for (int i = 0; i < 200 && !Simulated(t).empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        return Simulated(t).empty();
    }
    TempDir state, files;
};

struct Ending {
    const char* name;
    int sig;
    bool crash;
};
void PrintTo(const Ending& e, std::ostream* os) { *os << e.name; }

class EndingSignal : public SignalTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(EndingSignal, GivesTheTerminalBackWholeAndEndsByThatSignal) {
    const Ending& e = GetParam();
#if defined(__SANITIZE_ADDRESS__)
    if (e.crash) GTEST_SKIP() << "the sanitizer owns the crash signals in this build";
#endif
    TmuxSession t(Shell("Velkin"));
    ASSERT_TRUE(t.WaitFor("设备ID：")) << t.Screen();
    ASSERT_TRUE(WaitForModes(t, kModesOn)) << Modes(t);
    int program = Running(t);
    ASSERT_GT(program, 0);
    kill(program, e.sig);
    ASSERT_TRUE(t.WaitFor("ended with " + std::to_string(128 + e.sig))) << t.Screen();
    EXPECT_EQ(Modes(t), kModesOff);
    ASSERT_TRUE(t.WaitFor("ended with")) << t.Screen();
    for (int i = 0; i < 100 && ReadFile(files / "after").empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(ReadFile(files / "after"), ReadFile(files / "before")) << "the termios differ";
}

INSTANTIATE_TEST_SUITE_P(
    Signals, EndingSignal,
    ::testing::Values(Ending{"HUP", SIGHUP, false}, Ending{"INT", SIGINT, false}, Ending{"QUIT", SIGQUIT, false},
                      Ending{"TERM", SIGTERM, false}, Ending{"USR1", SIGUSR1, false}, Ending{"USR2", SIGUSR2, false},
                      Ending{"ALRM", SIGALRM, false}, Ending{"VTALRM", SIGVTALRM, false}, Ending{"PROF", SIGPROF, false},
                      Ending{"XCPU", SIGXCPU, false}, Ending{"XFSZ", SIGXFSZ, false}, Ending{"SEGV", SIGSEGV, true},
                      Ending{"BUS", SIGBUS, true}, Ending{"FPE", SIGFPE, true}, Ending{"ILL", SIGILL, true},
                      Ending{"ABRT", SIGABRT, true}, Ending{"TRAP", SIGTRAP, true}, Ending{"SYS", SIGSYS, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A stop, from Ctrl-Z or a background read or write, under a shell with job
// control: the terminal is the shell's while stopped, and fg brings the
// screen back drawn whole.
struct Stop {
    const char* name;
    int sig;  // 0: Ctrl-Z typed
};
void PrintTo(const Stop& s, std::ostream* os) { *os << s.name; }

class StopSignal : public SignalTest, public ::testing::WithParamInterface<Stop> {};

TEST_P(StopSignal, GivesTheTerminalToTheShellAndFgBringsTheScreenBack) {
    TmuxSession t("sh -i");
    ASSERT_TRUE(t.WaitFor("#")) << t.Screen();
    // (The shell goes on with a list when its job stops, so the run is alone on its line.)
    t.Type(std::string(TERMINAL_SIM) + " --state " + state.path() + " Velkin");
    t.Keys({"Enter"});
    ASSERT_TRUE(t.WaitFor("设备ID：")) << t.Screen();
    ASSERT_TRUE(WaitForModes(t, kModesOn)) << Modes(t);
    if (GetParam().sig == 0)
        t.Keys({"C-z"});
    else
        kill(Simulated(t).at(0), GetParam().sig);
    ASSERT_TRUE(t.WaitFor("Stopped")) << t.Screen();
    EXPECT_TRUE(WaitForModes(t, kModesOff)) << Modes(t);
    t.Type("fg");
    t.Keys({"Enter"});
    EXPECT_TRUE(WaitForModes(t, kModesOn)) << Modes(t);
    ASSERT_TRUE(t.WaitFor("设备ID：   SIM00001")) << "drawn whole again:\n" << t.Screen();
    // Still the program's: typing reaches the edit box, and it ends as usual.
    t.Keys({"End", "BSpace"});
    t.Type("Z");
    EXPECT_TRUE(t.WaitFor("设备ID：   SIM0000Z")) << t.Screen();
    t.Keys({"Escape"});
    ASSERT_TRUE(t.WaitFor("The terminal is suspended.")) << t.Screen();
    t.Keys({"x"});
    EXPECT_TRUE(Ended(t)) << t.Screen();
    EXPECT_EQ(Modes(t), kModesOff);
}

INSTANTIATE_TEST_SUITE_P(Signals, StopSignal,
                         ::testing::Values(Stop{"CtrlZ", 0}, Stop{"TTIN", SIGTTIN}, Stop{"TTOU", SIGTTOU}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SignalTest, EndingTheHomeScreenEndsTheProgramItStartedFirst) {
    TmuxSession t(Shell(""));
    ASSERT_TRUE(t.WaitFor("Programs")) << t.Screen();
    t.Keys({"Enter"});
    ASSERT_TRUE(t.WaitFor("设备ID：")) << t.Screen();
    int home = Running(t);
    ASSERT_GT(home, 0);
    auto programs = t.Children(home);
    ASSERT_EQ(programs.size(), 1u);
    kill(home, SIGTERM);
    ASSERT_TRUE(t.WaitFor("ended with 143")) << t.Screen();
    EXPECT_NE(kill(programs[0], 0), 0) << "the program outlived the home screen";
    EXPECT_EQ(Modes(t), kModesOff);
}

TEST_F(SignalTest, CtrlZStopsTheHomeScreenAndItsProgramAndFgBringsTheProgramBack) {
    TmuxSession t("sh -i");
    ASSERT_TRUE(t.WaitFor("#")) << t.Screen();
    t.Type(std::string(TERMINAL_SIM) + " --state " + state.path());
    t.Keys({"Enter"});
    ASSERT_TRUE(t.WaitFor("Programs")) << t.Screen();
    t.Keys({"Enter"});
    ASSERT_TRUE(t.WaitFor("设备ID：")) << t.Screen();
    t.Keys({"C-z"});
    ASSERT_TRUE(t.WaitFor("Stopped")) << t.Screen();
    EXPECT_TRUE(WaitForModes(t, kModesOff)) << Modes(t);
    t.Type("fg");
    t.Keys({"Enter"});
    ASSERT_TRUE(t.WaitFor("设备ID：   SIM00001")) << "the program's screen, not the home screen:\n" << t.Screen();
    EXPECT_EQ(t.Screen().find("Programs"), std::string::npos) << t.Screen();
    t.Keys({"Escape"});
    ASSERT_TRUE(t.WaitFor("The terminal is suspended.")) << t.Screen();
    t.Keys({"x"});
    ASSERT_TRUE(t.WaitFor("Velkin ended with exit code 0.")) << "the home screen is back:\n" << t.Screen();
    t.Keys({"Escape"});
    EXPECT_TRUE(Ended(t)) << t.Screen();
    EXPECT_EQ(Modes(t), kModesOff);
}

}  // namespace
}  // namespace test
