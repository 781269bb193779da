// Every call failing in turn: for each scenario, each call that can be made
// to fail fails at its first, second, ... use until the scenario makes no
// such call. Every run ends normally, with no handle or window left open,
// and shows what the programs' code makes of that failure, as the table
// below says. A run whose outcome differs fails: its script, made from the
// expected outcome, no longer fits the screen, or the checks name the
// difference.
#include <map>

#include "e2e/e2e_fixture.h"
#include "sim_config.h"

namespace test {
namespace {

const char16_t kPowerDownFail[] = u"Power Down Fail!!!";

// What one failure produces.
struct Outcome {
    std::vector<std::u16string> boxes;  // message box texts in order, the exit's included
    bool stored = true;                 // the press's setting reached the state folder
    std::u16string shows = u"SWEEP-ID";  // Velkin: what the edit box shows when the dialog opens
    bool counted = true;                // the suspend at exit was counted
    bool dialog = true;                 // the dialog opened
};

// One scenario: a program, the state it starts from, the user's actions
// before the press, the press, and how the dialog is closed.
struct Scenario {
    std::string name;
    std::string program;
    std::string file, before, after;  // the setting the press changes (empty: none)
    std::string press;                // empty: none
    std::string before_press;         // actions before it
    std::string close = "ok";
};

const std::vector<Scenario>& Scenarios() {
    static const std::vector<Scenario> scenarios = {
        {"VelkinOpen", "Velkin", "", "", "", "", "", "cancel"},
        {"VelkinWrite", "Velkin", "device-id", Id64("SWEEP-ID"), Id64("NEW-ID"), "click 1001", "set-text 1000 \"NEW-ID\"\n"},
        {"VelkinOk", "Velkin", "", "", "", "", "set-text 1000 \"NEW-ID\"\n", "ok"},
        {"VelkinCancel", "Velkin", "", "", "", "", "set-text 1000 \"NEW-ID\"\n", "cancel"},
        {"GprsPowerOn", "Tarnell", "gprs-power", "off\n", "on\n", "click 1000", ""},
        {"GprsPowerOff", "Tarnell", "gprs-power", "on\n", "off\n", "click 1001", ""},
        {"BackLight20", "Tarnell", "backlight-level", "80\n", "20\n", "click 1002", ""},
        {"BackLight80", "Tarnell", "backlight-level", "20\n", "80\n", "click 1003", ""},
        {"WlanEnable", "Tarnell", "wlan-power", "off\n", "on\n", "click 1004", ""},
        {"WlanDisable", "Tarnell", "wlan-power", "on\n", "off\n", "click 1005", ""},
        {"TheExit", "Tarnell", "", "", "", "", "", "ok"},
    };
    return scenarios;
}

// What each failure produces: scenario, the failures (CALL:N) that produce
// it, and the outcome. Every failure that the sweep makes happen has its row.
struct Row {
    std::string scenario;
    std::vector<std::string> failures;
    Outcome outcome;
};

const Outcome kUnseen{};  // the failure changes nothing the user sees or the state keeps
const Outcome kNoDialog{{}, false, u"", true, false};
const Outcome kPowerDownRefused{{kPowerDownFail}, true, u"SWEEP-ID", false};  // refused: no suspend to count
const Outcome kNotCounted{{}, true, u"SWEEP-ID", false};
Outcome ReadAs00() { return Outcome{{}, true, u"00"}; }
Outcome Boxes(std::vector<std::u16string> boxes) { return Outcome{std::move(boxes), false}; }

const std::vector<Row>& Table() {
    // The calls of the dialog's opening and of the exit, the same whatever the press.
    auto opening = [](const std::string& s, bool velkin) {
        std::vector<Row> rows = {
            {s, {"LoadIconW:1"}, kUnseen},  // the dialog shows no icon
            {s, {"DialogBoxParamW:1"}, kNoDialog},
        };
        if (velkin) {
            // The ID cannot be read: the box shows "00". A failed close is not noticed.
            rows.push_back({s, {"CreateFileW:1", "DeviceIoControl:1", "MultiByteToWideChar:1"}, ReadAs00()});
            rows.push_back({s, {"CloseHandle:1"}, kUnseen});
        }
        return rows;
    };
    // The exit, after `closes` closes and `stores` stores of the scenario's own.
    auto exit = [](const std::string& s, bool tarnell, int closes, int stores) {
        std::vector<Row> rows = {{s, {"KernelIoControl:1"}, kPowerDownRefused},
                                 {s, {"Store:" + std::to_string(stores + 1)}, kNotCounted}};
        // Tarnell's teardown closes two handles it never opened: both fail anyway.
        if (tarnell)
            rows.push_back({s, {"CloseHandle:" + std::to_string(closes + 1), "CloseHandle:" + std::to_string(closes + 2)}, kUnseen});
        return rows;
    };
    static const std::vector<Row> table = [&] {
        std::vector<Row> t;
        auto add = [&](std::vector<Row> rows) { t.insert(t.end(), rows.begin(), rows.end()); };
        for (const char* s : {"VelkinOpen", "VelkinOk", "VelkinCancel"}) {
            add(opening(s, true));
            add(exit(s, false, 0, 0));
        }
        add(opening("VelkinWrite", true));
        add({{"VelkinWrite", {"CreateFileW:2", "WideCharToMultiByte:1", "DeviceIoControl:2", "Store:1"}, Boxes({u"设置设备ID失败！"})},
             {"VelkinWrite", {"CloseHandle:2"}, kUnseen}});
        add(exit("VelkinWrite", false, 0, 1));

        add(opening("GprsPowerOn", false));
        add({{"GprsPowerOn", {"CreateFileW:1"}, Boxes({u"GPRS ON Failed: CreateFile Failed!", u"GPRS ON Failed!!!", u"GPRS On Failed!"})},
             {"GprsPowerOn", {"DeviceIoControl:1", "Store:1"}, Boxes({u"GPRS ON Failed!!!", u"GPRS On Failed!"})},
             {"GprsPowerOn", {"CloseHandle:1"}, kUnseen}});
        add(exit("GprsPowerOn", true, 1, 1));

        // A failed open sends the request on a null handle: no box of the open's own.
        add(opening("GprsPowerOff", false));
        add({{"GprsPowerOff", {"CreateFileW:1", "DeviceIoControl:1", "Store:1"}, Boxes({u"GPRS OFF Failed!!!", u"GPRS OFF Failed!"})},
             {"GprsPowerOff", {"CloseHandle:1"}, kUnseen}});
        add(exit("GprsPowerOff", true, 1, 1));

        // The backlight's open is not tested: a failed one fails the request,
        // and the close of INVALID_HANDLE_VALUE that follows fails too.
        for (const char* s : {"BackLight20", "BackLight80"}) {
            add(opening(s, false));
            add({{s, {"CreateFileW:1", "DeviceIoControl:1", "Store:1"}, Boxes({u"Set Back Light Failed!"})},
                 {s, {"CloseHandle:1"}, kUnseen}});
            add(exit(s, true, 1, 1));
        }

        // The WLAN operations return their request's result, so a refused one is told too.
        for (auto [s, text] : {std::pair{"WlanEnable", u"WLAN ON Failed!"}, std::pair{"WlanDisable", u"WLAN OFF Failed!"}}) {
            add(opening(s, false));
            add({{s, {"CreateFileW:1"}, Boxes({u"ERROR: WLAN CreateFile Fail!", text})},
                 {s, {"DeviceIoControl:1", "Store:1"}, Boxes({text})},
                 {s, {"CloseHandle:1"}, kUnseen}});
            add(exit(s, true, 1, 1));
        }

        add(opening("TheExit", false));
        add(exit("TheExit", true, 0, 0));
        return t;
    }();
    return table;
}

std::optional<Outcome> Expected(const std::string& scenario, const std::string& failure) {
    for (const Row& row : Table())
        if (row.scenario == scenario)
            for (const auto& f : row.failures)
                if (f == failure) return row.outcome;
    return std::nullopt;
}

// The script that fits the expected outcome: each box dismissed where it shows.
std::string ScriptFor(const Scenario& s, const Outcome& o) {
    std::string script;
    size_t pressBoxes = 0;
    for (const auto& box : o.boxes) pressBoxes += box != kPowerDownFail;
    if (o.dialog) {
        script += s.before_press;
        if (!s.press.empty()) script += s.press + "\n";
        for (size_t i = 0; i < pressBoxes; ++i) script += "dismiss\n";
        script += s.close + "\n";
    }
    if (!o.boxes.empty() && o.boxes.back() == kPowerDownFail) script += "dismiss\n";
    return script;
}

void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }

class FaultSweep : public ::testing::TestWithParam<Scenario> {};

TEST_P(FaultSweep, EveryCallFailingInTurnEndsAsTheProgramsCodeSays) {
    const Scenario& s = GetParam();
    int runs = 0;
    for (const std::string& call : terminal::SimConfig::FailableCalls()) {
        for (int n = 1;; ++n) {
            std::string failure = call + ":" + std::to_string(n);
            SCOPED_TRACE(s.name + " with --fail " + failure);
            std::optional<Outcome> expected = Expected(s.name, failure);
            Outcome o = expected.value_or(kUnseen);

            TempDir state;
            WriteFile(state / "device-id", Id64("SWEEP-ID"));
            if (!s.file.empty()) WriteFile(state / s.file, s.before);
            std::vector<std::string> argv = {TERMINAL_SIM, "--state", state.path(), "--fail", failure,
                                             "--transcript", "-", "--script", "-", s.program};
            RunResult r = RunCommand(argv, ScriptFor(s, o));
            auto events = ParseTranscript(r.out);
            ++runs;
            if (Only(events, {"fault"}).empty()) {
                // The scenario makes no N-th call of this kind: the sweep of it ends here.
                EXPECT_FALSE(expected) << "the table has a row for a failure that never happens";
                EXPECT_EQ(r.status, 0) << r.err;
                break;
            }
            ASSERT_TRUE(expected) << "no row in the table says what this failure produces";
            EXPECT_EQ(r.status, 0) << r.err;
            EXPECT_TRUE(MatchesSequence(Only(events, {"exit"}), {Expect("exit").Num("code", 0).Num("openHandles", 0).Num("windows", 0)}));
            std::vector<Expect> boxes;
            for (const auto& text : o.boxes) boxes.push_back(Expect("messageBox").Text("text", text));
            EXPECT_TRUE(MatchesSequence(Only(events, {"messageBox"}), boxes));
            auto dialogs = Only(events, {"dialog"});
            EXPECT_EQ(dialogs.size(), o.dialog ? 1u : 0u);
            if (s.program == "Velkin" && o.dialog) {
                auto shown = Only(events, {"setText"});
                ASSERT_FALSE(shown.empty());
                EXPECT_TRUE(MatchesSequence({shown[0]}, {Expect("setText").Num("id", 1000).Text("text", o.shows)}));
            }
            if (!s.file.empty()) {
                EXPECT_EQ(ReadFile(state / s.file), o.stored ? s.after : s.before);
            }
            EXPECT_EQ(ReadFile(state / "suspend-count"), o.counted ? "1\n" : "");
        }
    }
    RecordProperty("runs", runs);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, FaultSweep, ::testing::ValuesIn(Scenarios()),
                         [](const auto& info) { return info.param.name; });

// A driver told to refuse one control code takes the others: Velkin reads
// "00" when the get is refused, and 确定 then stores "00".
TEST_F(SimTest, ARefusalOfOneCodeRefusesThatRequestOnly) {
    WriteFile(state / "device-id", Id64("OLD-ID"));
    SimRun run = Sim({"--refuse", "FIO1:0xF0072120"}, "click 1001\nok\n");
    EXPECT_EQ(run.result.status, 0) << run.result.err;
    auto requests = Only(run.events, {"DeviceIoControl"});
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_TRUE(MatchesSequence(requests, {Expect("DeviceIoControl").Num("code", 0xF0072120).Num("result", 0),
                                           Expect("DeviceIoControl").Num("code", 0xF0072124).Num("result", 1)}));
    EXPECT_TRUE(MatchesSequence(Only(run.events, {"setText"}), {Expect("setText").Num("id", 1000).Text("text", u"00")}));
    EXPECT_TRUE(Only(run.events, {"messageBox"}).empty());
    EXPECT_EQ(StoredId(), Id64("00"));
}

}  // namespace
}  // namespace test
