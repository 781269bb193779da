// The state folder under whole runs: several runs on one folder at once, a
// run that cannot go ahead, hostile files in place of state files, and a
// reader of the run's output that goes away.
#include <sys/stat.h>

#include <map>
#include <thread>

#include "e2e/e2e_fixture.h"

namespace test {
namespace {

TEST_F(SimTest, ConcurrentRunsOnOneFolderAllSucceedAndLoseNothing) {
    const int kWriters = 4, kRuns = 8;
    std::set<std::string> written;
    for (int w = 0; w < kWriters; ++w)
        for (int i = 0; i < kRuns; ++i)
            for (const char* part : {"A", "B"}) written.insert(Id64("W" + std::to_string(w) + "-" + std::to_string(i) + part));

    std::atomic<int> failures{0}, torn{0};
    std::atomic<bool> writing{true};
    std::vector<std::thread> threads;
    std::mutex errors;
    std::string firstError;
    auto failed = [&](const RunResult& r) {
        ++failures;
        std::lock_guard<std::mutex> lock(errors);
        if (firstError.empty()) firstError = r.err;
    };
    for (int w = 0; w < kWriters; ++w)
        threads.emplace_back([&, w] {
            for (int i = 0; i < kRuns; ++i) {
                std::string id = "W" + std::to_string(w) + "-" + std::to_string(i);
                // The runner stores one ID before the program starts, the program another through the driver.
                RunResult r = RunCommand({TERMINAL_SIM, "--state", state.path(), "--device-id", id + "A", "--transcript",
                                          "/dev/null", "--script", "-", "Velkin"},
                                         "set-text 1000 \"" + id + "B\"\nclick 1001\nok\n");
                if (r.status != 0) failed(r);
            }
        });
    for (int reader = 0; reader < 2; ++reader)
        threads.emplace_back([&] {
            while (writing) {
                RunResult r = RunCommand({TERMINAL_SIM, "--state", state.path(), "--status"});
                if (r.status != 0 || r.out.find("cannot be used") != std::string::npos) failed(r);
                std::string id = ReadFile(state / "device-id");
                if (!id.empty() && !written.count(id)) ++torn;
            }
        });
    for (int w = 0; w < kWriters; ++w) threads[w].join();
    writing = false;
    for (size_t t = kWriters; t < threads.size(); ++t) threads[t].join();

    EXPECT_EQ(failures, 0) << firstError;
    EXPECT_EQ(torn, 0) << "a reader saw an ID nobody wrote";
    EXPECT_EQ(written.count(StoredId()), 1u);
    EXPECT_EQ(ReadFile(state / "suspend-count"), std::to_string(kWriters * kRuns) + "\n") << "suspends were lost";
}

// A run that cannot go ahead stores nothing, not even --device-id, and says
// why in one line.
struct Refused {
    std::string name;
    std::function<void(const TempDir& state, const TempDir& scratch)> plant;
    std::vector<std::string> args;  // the program last
    std::string script;
    std::string says;
};
void PrintTo(const Refused& c, std::ostream* os) { *os << c.name; }

class RefusedRun : public SimTest, public ::testing::WithParamInterface<Refused> {
protected:
    // What each state file is: its content, or what kind of thing stands in its place.
    std::map<std::string, std::string> Snapshot() const {
        std::map<std::string, std::string> files;
        for (const char* name : {"device-id", "gprs-power", "wlan-power", "backlight-level", "suspend-count", ".lock"}) {
            struct stat st;
            if (lstat((state / name).c_str(), &st) != 0) continue;
            files[name] = S_ISREG(st.st_mode) ? ReadFile(state / name) : "(mode " + std::to_string(st.st_mode) + ")";
        }
        return files;
    }
    TempDir scratch;
};

TEST_P(RefusedRun, StoresNothingAndSaysWhyInOneLine) {
    const Refused& c = GetParam();
    WriteFile(state / "device-id", Id64("BEFORE"));
    if (c.plant) c.plant(state, scratch);
    std::vector<std::string> argv = {TERMINAL_SIM, "--state", state.path(), "--device-id", "AFTER"};
    for (const auto& a : c.args) argv.push_back(a.find("SCRATCH") == 0 ? scratch.path() + a.substr(7) : a);
    auto before = Snapshot();
    RunResult r = RunCommand(argv, c.script);
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_EQ(StoredId(), Id64("BEFORE"));
    EXPECT_EQ(Snapshot(), before) << "the state changed";
}

INSTANTIATE_TEST_SUITE_P(
    Runs, RefusedRun,
    ::testing::Values(
        Refused{"ProgramIsAFolder", [](auto&, auto& s) { mkdir((s / "Velkin").c_str(), 0755); },
                {"--script", "-", "SCRATCH/Velkin"}, "ok\n", "a folder, not a program"},
        Refused{"ProgramIsNotExecutable", [](auto&, auto& s) { WriteFile(s / "Velkin", "#!/bin/sh\n"); },
                {"--script", "-", "SCRATCH/Velkin"}, "ok\n", "not executable"},
        Refused{"ProgramCannotStart", [](auto&, auto& s) {
                    WriteFile(s / "Velkin", "not a program");
                    chmod((s / "Velkin").c_str(), 0755);
                }, {"--script", "-", "SCRATCH/Velkin"}, "ok\n", "cannot start"},
        Refused{"DamagedSetting", [](auto& st, auto&) { WriteFile(st / "backlight-level", "bright\n"); },
                {"--script", "-", "Velkin"}, "ok\n", "backlight-level is damaged"},
        Refused{"DamagedCount", [](auto& st, auto&) { WriteFile(st / "suspend-count", "-7\n"); },
                {"--script", "-", "Velkin"}, "ok\n", "suspend-count is damaged"},
        Refused{"FifoAsASetting", [](auto& st, auto&) { mkfifo((st / "wlan-power").c_str(), 0644); },
                {"--script", "-", "Velkin"}, "ok\n", "wlan-power is a FIFO"},
        Refused{"FolderAsTheCount", [](auto& st, auto&) { mkdir((st / "suspend-count").c_str(), 0755); },
                {"--script", "-", "Velkin"}, "ok\n", "suspend-count is a folder"},
        Refused{"FifoAsTheLock", [](auto& st, auto&) { mkfifo((st / ".lock").c_str(), 0644); },
                {"--script", "-", "Velkin"}, "ok\n", ".lock is a FIFO"},
        Refused{"DamagedSettingForStatus", [](auto& st, auto&) { WriteFile(st / "gprs-power", "maybe\n"); },
                {"--status"}, "", "gprs-power is damaged"},
        Refused{"ALineOverOneMiB", nullptr, {"--script", "-", "Velkin"}, std::string(1100000, 'x'),
                "line 1 is over 1 MiB"},
        Refused{"AScriptOver16MiB", nullptr, {"--script", "-", "Velkin"}, [] {
                    std::string s;
                    while (s.size() <= (16u << 20)) s += "wait 1\n";
                    return s;
                }(), "is over 16 MiB"},
        Refused{"ALongBadLineIsCut", nullptr, {"--script", "-", "Velkin"}, "ok\n" + std::string(500000, 'z') + "\n",
                "unknown action \"" + std::string(200, 'z') + "…\""},
        Refused{"ControlCharactersAreEscaped", nullptr, {"--script", "-", "Velkin"}, "\x1b[2J\x01\xff\n",
                "unknown action \"\\x1b[2J\\x01\\xff\""}),
    [](const auto& info) { return info.param.name; });

TEST_F(SimTest, EndlessInputIsRefusedAtTheLimitNotRunOutOfMemory) {
    RunResult r = RunCommand({"sh", "-c", std::string(TERMINAL_SIM) + " --state " + state.path() +
                                              " --script /dev/zero Velkin; echo \"status $?\""});
    EXPECT_NE(r.err.find("line 1 is over 1 MiB"), std::string::npos) << r.err;
    EXPECT_NE(r.out.find("status 2"), std::string::npos) << r.out;
}

// The reader of the account goes away early: the run goes on to its end and
// its power-down, and the status is the program's.
TEST_F(SimTest, AReaderThatGoesAwayDoesNotEndTheRun) {
    std::string script;
    for (int i = 0; i < 3000; ++i) script += "click 1001\n";
    script += "ok\n";
    WriteFile(state / "many.script", script);
    WriteFile(state / "device-id", Id64("READER"));
    RunResult r = RunCommand({"bash", "-c", std::string(TERMINAL_SIM) + " --state " + state.path() + " --script " +
                                                (state / "many.script") + " Velkin | head -c 10 >/dev/null; echo \"status ${PIPESTATUS[0]}\""});
    EXPECT_NE(r.out.find("status 0"), std::string::npos) << r.out << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_NE(r.err.find("the account of the run stops here (Broken pipe)"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFile(state / "suspend-count"), "1\n") << "the exit-time power-down was made";
}

}  // namespace
}  // namespace test
