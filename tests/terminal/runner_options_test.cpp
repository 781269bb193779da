// terminal-sim's options: what each sets, and one clear line for bad input.
#include <gtest/gtest.h>

#include "sim/options.h"

namespace {

using terminal::ParseRunnerOptions;
using terminal::RunnerOptions;

TEST(RunnerOptions, SetsEveryPartOfTheRun) {
    auto parsed = ParseRunnerOptions({"--state", "/tmp/s", "--absent", "FIO1:", "--refuse=HAL", "--code-page", "1252",
                                      "--device-id", "café", "--script", "-", "--transcript", "out.jsonl", "Velkin"});
    auto* o = std::get_if<RunnerOptions>(&parsed);
    ASSERT_TRUE(o) << std::get<std::string>(parsed);
    EXPECT_EQ(o->config.stateDir, "/tmp/s");
    EXPECT_EQ(o->config.absent, std::set<std::string>{"FIO1:"});
    EXPECT_TRUE(o->config.Refuses("HAL"));
    EXPECT_EQ(o->config.codePage, 1252u);
    ASSERT_TRUE(o->config.deviceId);
    EXPECT_EQ((*o->config.deviceId)[3], 0xE9) << "the ID is encoded in the chosen code page";
    EXPECT_EQ((*o->config.deviceId)[4], 0);
    EXPECT_EQ(o->script, "-");
    EXPECT_EQ(o->transcript, "out.jsonl");
    EXPECT_EQ(o->program, "Velkin");
}

TEST(RunnerOptions, HexIdIsZeroFilled) {
    auto parsed = ParseRunnerOptions({"--device-id-hex", "D6D0 ce c4", "Velkin"});
    auto* o = std::get_if<RunnerOptions>(&parsed);
    ASSERT_TRUE(o) << std::get<std::string>(parsed);
    terminal::DeviceIdBytes expected{};
    expected[0] = 0xD6;
    expected[1] = 0xD0;
    expected[2] = 0xCE;
    expected[3] = 0xC4;
    EXPECT_EQ(*o->config.deviceId, expected);
}

struct Bad {
    std::vector<std::string> args;
    std::string says;
};
void PrintTo(const Bad& c, std::ostream* os) { *os << c.says; }

class BadRunnerInput : public ::testing::TestWithParam<Bad> {};

TEST_P(BadRunnerInput, IsOneClearLine) {
    auto parsed = ParseRunnerOptions(GetParam().args);
    auto* error = std::get_if<std::string>(&parsed);
    ASSERT_TRUE(error) << "accepted";
    EXPECT_NE(error->find(GetParam().says), std::string::npos) << *error;
    EXPECT_EQ(error->find('\n'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Options, BadRunnerInput,
    ::testing::Values(Bad{{"--bogus", "Velkin"}, "unknown option --bogus"},
                      Bad{{"--absent", "GPS1:", "Velkin"}, "unknown driver \"GPS1:\""},
                      Bad{{"--refuse", "fio1:", "Velkin"}, "unknown driver"},
                      Bad{{"--absent", "FIO1:", "--refuse", "FIO1:", "Velkin"}, "both absent and refusing"},
                      Bad{{"--device-id-hex", "41zz", "Velkin"}, "not hex"},
                      Bad{{"--device-id-hex", "414", "Velkin"}, "odd number"},
                      Bad{{"--device-id-hex", std::string(130, 'A'), "Velkin"}, "65 bytes is over the 64"},
                      Bad{{"--device-id", std::string(65, 'A'), "Velkin"}, "takes 65 bytes"},
                      Bad{{"--device-id", "A中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中中", "Velkin"}, "takes 65 bytes in code page 936"},
                      Bad{{"--device-id", "中", "--code-page", "1252", "Velkin"}, "cannot hold"},
                      Bad{{"--device-id", "A", "--device-id-hex", "41", "Velkin"}, "not both"},
                      Bad{{"--code-page", "999", "Velkin"}, "unsupported code page \"999\""},
                      Bad{{"--code-page", "abc", "Velkin"}, "unsupported code page"},
                      Bad{{"--state"}, "--state needs a value"},
                      Bad{{"Velkin", "Tarnell"}, "one too many"},
                      Bad{{"--absent", "GPR1:", "--refuse", "GPR1:", "Tarnell"}, "both absent and refusing"},
                      Bad{{"--status", "Tarnell"}, "--status runs no program: drop \"Tarnell\""},
                      Bad{{"--status", "--refuse", "HAL"}, "--status runs no program"},
                      Bad{{"--status", "--script", "-"}, "--status runs no program"},
                      Bad{{"--status", "--fail", "Store:1"}, "--status runs no program"},
                      Bad{{"--refuse", "FIO1:0xZZ", "Velkin"}, "the control code to refuse"},
                      Bad{{"--refuse", "FIO1:0x1FFFFFFFF", "Velkin"}, "the control code to refuse"},
                      Bad{{"--absent", "FIO1:0xF0072120", "Velkin"}, "an absent driver takes no request"},
                      Bad{{"--fail", "OpenFile:1", "Velkin"}, "unknown call \"OpenFile\""},
                      Bad{{"--fail", "CreateFileW", "Velkin"}, "say which call of CreateFileW"},
                      Bad{{"--fail", "CreateFileW:0", "Velkin"}, "counting from 1"},
                      Bad{{"--fail", "CreateFileW:-2", "Velkin"}, "counting from 1"},
                      // What the user typed comes back as one line of plain text, cut short.
                      Bad{{"--bo\ngus", "Velkin"}, "unknown option --bo\\ngus"},
                      Bad{{"--\x1b[31mred", "Velkin"}, "unknown option --\\x1b[31mred"},
                      Bad{{"--code-page", "12\r52", "Velkin"}, "\"12\\r52\""},
                      Bad{{"--absent", "\xff\xfe", "Velkin"}, "\"\\xff\\xfe\""},
                      Bad{{"--" + std::string(300, 'x'), "Velkin"}, "--" + std::string(198, 'x') + "… (terminal-sim"}));

TEST(RunnerOptions, ARefusalMayNameOneControlCode) {
    auto parsed = ParseRunnerOptions({"--refuse", "FIO1:0xF0072120", "--refuse", "HAL:0x01013F00", "--refuse", "GPR1:",
                                      "--refuse", "GPR1:4026999112", "Tarnell"});
    auto* o = std::get_if<RunnerOptions>(&parsed);
    ASSERT_TRUE(o) << std::get<std::string>(parsed);
    using Codes = std::set<uint32_t>;
    EXPECT_EQ(o->config.refusing, (std::map<std::string, Codes>{
                                      {"FIO1:", Codes{0xF0072120}}, {"HAL", Codes{0x01013F00}}, {"GPR1:", Codes{}}}))
        << "a refusal of every request stays one whatever codes come after";
}

TEST(RunnerOptions, FailTakesACallAndWhichOfItsCalls) {
    auto parsed = ParseRunnerOptions({"--fail", "CreateFileW:2", "--fail=Store:1", "Velkin"});
    auto* o = std::get_if<RunnerOptions>(&parsed);
    ASSERT_TRUE(o) << std::get<std::string>(parsed);
    EXPECT_EQ(o->config.failCalls, (std::vector<std::pair<std::string, uint64_t>>{{"CreateFileW", 2}, {"Store", 1}}));
}

TEST(RunnerOptions, EveryDriverOfTheTerminalCanBeAbsentOrRefusing) {
    auto parsed = ParseRunnerOptions({"--absent", "GPR1:", "--absent", "SDH1:", "--refuse", "BKL1:", "--refuse", "FIO1:",
                                      "--absent", "HAL", "Tarnell"});
    auto* o = std::get_if<RunnerOptions>(&parsed);
    ASSERT_TRUE(o) << std::get<std::string>(parsed);
    EXPECT_EQ(o->config.absent, (std::set<std::string>{"GPR1:", "SDH1:", "HAL"}));
    using Codes = std::set<uint32_t>;
    EXPECT_EQ(o->config.refusing, (std::map<std::string, Codes>{{"BKL1:", Codes{}}, {"FIO1:", Codes{}}}))
        << "no codes listed: every request";
}

TEST(RunnerOptions, NoProgramMeansTheHomeScreen) {
    auto parsed = ParseRunnerOptions({"--refuse", "HAL"});
    auto* o = std::get_if<RunnerOptions>(&parsed);
    ASSERT_TRUE(o) << std::get<std::string>(parsed);
    EXPECT_EQ(o->program, "");
    EXPECT_FALSE(o->script);
}

TEST(RunnerOptions, StatusTakesTheStateTheCodePageAndAnIdToStore) {
    auto parsed = ParseRunnerOptions({"--status", "--state", "/tmp/s", "--code-page", "1252", "--device-id", "X"});
    auto* o = std::get_if<RunnerOptions>(&parsed);
    ASSERT_TRUE(o) << std::get<std::string>(parsed);
    EXPECT_TRUE(o->status);
    EXPECT_TRUE(o->config.deviceId);
    EXPECT_EQ(o->program, "");
}

}  // namespace
