// Script lines: what each action parses to, and the line and reason of
// each malformed one.
#include <gtest/gtest.h>

#include "wm/script.h"

namespace {

using ce::CheckScript;
using ce::ScriptError;
using ce::ScriptReader;
using ce::UserAction;
using K = UserAction::Kind;

// Every action of a well-formed script, read as the scripted front end reads it.
std::vector<UserAction> ReadAll(const std::string& script) {
    EXPECT_FALSE(CheckScript(script)) << CheckScript(script)->message;
    ScriptReader reader(script);
    std::vector<UserAction> actions;
    while (auto a = reader.Next()) actions.push_back(*a);
    return actions;
}

TEST(Script, ParsesEveryActionAndSkipsCommentsAndBlankLines) {
    auto actions = ReadAll(
        "# a comment\n"
        "\n"
        "set-text 1000 \"a#b \\\"q\\\" \\u4e2d\\ud83d\\ude00\"  # typed\n"
        "  click 1001\n"
        "ok\r\n"
        "cancel\n"
        "dismiss\n"
        "wait 1500\n"
        "set-text 1000 \"中文\"");
    ASSERT_EQ(actions.size(), 7u);
    EXPECT_EQ(actions[0].kind, K::SetText);
    EXPECT_EQ(actions[0].id, 1000);
    EXPECT_EQ(actions[0].text, u"a#b \"q\" 中\U0001F600");
    EXPECT_EQ(actions[0].line, 3);
    EXPECT_EQ(actions[1].kind, K::Click);
    EXPECT_EQ(actions[1].id, 1001);
    EXPECT_EQ(actions[2].kind, K::Ok);
    EXPECT_EQ(actions[3].kind, K::Cancel);
    EXPECT_EQ(actions[4].kind, K::Dismiss);
    EXPECT_EQ(actions[5].kind, K::Wait);
    EXPECT_EQ(actions[5].ms, 1500u);
    EXPECT_EQ(actions[6].text, u"中文");
    EXPECT_EQ(actions[6].line, 9);
}

TEST(Script, AnEmptyScriptHasNoActions) {
    EXPECT_TRUE(ReadAll("").empty());
}

struct BadLine {
    std::string script;
    int line;
    std::string says;
};
void PrintTo(const BadLine& c, std::ostream* os) { *os << c.says; }

class MalformedScript : public ::testing::TestWithParam<BadLine> {};

TEST_P(MalformedScript, NamesTheLineAndTheFault) {
    auto error = CheckScript(GetParam().script);
    ASSERT_TRUE(error) << "accepted: " << GetParam().script;
    EXPECT_EQ(error->line, GetParam().line);
    EXPECT_NE(error->message.find(GetParam().says), std::string::npos) << error->message;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, MalformedScript,
    ::testing::Values(BadLine{"ok\npress 1001\n", 2, "unknown action \"press\""},
                      BadLine{"click\n", 1, "needs a control id"},
                      BadLine{"click 10x1\n", 1, "needs a control id"},
                      BadLine{"click 70000\n", 1, "needs a control id"},
                      BadLine{"click 1001 1002\n", 1, "unexpected \"1002\""},
                      BadLine{"ok now\n", 1, "unexpected \"now\""},
                      BadLine{"\n\nset-text 1000 abc\n", 3, "double quotes"},
                      BadLine{"set-text 1000 \"abc\n", 1, "no closing quote"},
                      BadLine{"set-text 1000 \"a\\x\"\n", 1, "unknown escape"},
                      BadLine{"set-text 1000 \"\\u12\"\n", 1, "four hex digits"},
                      BadLine{"set-text 1000 \"a\tb\"\n", 1, "control character"},
                      BadLine{"set-text 1000 \"\xff\"\n", 1, "UTF-8"},
                      BadLine{"wait -5\n", 1, "milliseconds"},
                      BadLine{"wait 99999999999\n", 1, "milliseconds"}));

}  // namespace
