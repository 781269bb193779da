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
    EXPECT_EQ(o->config.refusing, std::set<std::string>{"HAL"});
    EXPECT_EQ(o->config.codePage, 1252u);
    ASSERT_TRUE(o->deviceId);
    EXPECT_EQ((*o->deviceId)[3], 0xE9) << "the ID is encoded in the chosen code page";
    EXPECT_EQ((*o->deviceId)[4], 0);
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
    EXPECT_EQ(*o->deviceId, expected);
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
                      Bad{{"--status", "--script", "-"}, "--status runs no program"}));

TEST(RunnerOptions, EveryDriverOfTheTerminalCanBeAbsentOrRefusing) {
    auto parsed = ParseRunnerOptions({"--absent", "GPR1:", "--absent", "SDH1:", "--refuse", "BKL1:", "--refuse", "FIO1:",
                                      "--absent", "HAL", "Tarnell"});
    auto* o = std::get_if<RunnerOptions>(&parsed);
    ASSERT_TRUE(o) << std::get<std::string>(parsed);
    EXPECT_EQ(o->config.absent, (std::set<std::string>{"GPR1:", "SDH1:", "HAL"}));
    EXPECT_EQ(o->config.refusing, (std::set<std::string>{"BKL1:", "FIO1:"}));
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
    EXPECT_TRUE(o->deviceId);
    EXPECT_EQ(o->program, "");
}

}  // namespace
