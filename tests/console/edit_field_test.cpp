// The edit box's editing and horizontal scrolling, with Chinese characters
// counted by their two cells.
#include <gtest/gtest.h>

#include <sstream>

#include "console/edit_field.h"

namespace {

using ce::console::EditField;

struct EditCase {
    std::string name;
    int columns;
    bool autoScroll;
    std::u32string start;   // set by the program first
    std::vector<std::string> keys;  // "type:TEXT", "bs", "del", "home", "end", "left", "right", "click:N"
    std::u32string text;
    size_t caret;
    std::u32string visible;
    int caretColumn;
};
void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

std::u32string U32(const std::string& utf8) {
    std::u32string out;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = utf8[i];
        int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        char32_t v = n == 1 ? c : c & (0xFF >> (n + 1));
        for (int k = 1; k < n; ++k) v = (v << 6) | (utf8[i + k] & 0x3F);
        out += v;
        i += n;
    }
    return out;
}

class EditFieldTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditFieldTest, EditsAndScrolls) {
    const EditCase& c = GetParam();
    EditField f(c.columns, c.autoScroll);
    f.Reset(c.start);
    for (const std::string& k : c.keys) {
        if (k.rfind("type:", 0) == 0) f.Insert(U32(k.substr(5)));
        else if (k == "bs") f.Backspace();
        else if (k == "del") f.Delete();
        else if (k == "home") f.Home();
        else if (k == "end") f.End();
        else if (k == "left") f.Left();
        else if (k == "right") f.Right();
        else if (k.rfind("click:", 0) == 0) f.ClickAt(std::stoi(k.substr(6)));
        else FAIL() << "unknown key " << k;
    }
    EXPECT_TRUE(f.text() == c.text);
    EXPECT_EQ(f.caret(), c.caret);
    EditField::View v = f.Visible();
    EXPECT_TRUE(v.text == c.visible) << "visible text differs";
    EXPECT_EQ(v.caretColumn, c.caretColumn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EditFieldTest,
    ::testing::Values(
        EditCase{"TheProgramsTextPutsTheCaretAtItsEnd", 20, true, U"SIM00001", {}, U"SIM00001", 8, U"SIM00001", 8},
        EditCase{"TypingInsertsAtTheCaret", 20, true, U"abc", {"home", "right", "type:X"}, U"aXbc", 2, U"aXbc", 2},
        EditCase{"BackspaceAndDeleteEitherSide", 20, true, U"abcd", {"left", "left", "bs", "del"}, U"ad", 1, U"ad", 1},
        EditCase{"NothingToEraseAtTheEnds", 20, true, U"ab", {"home", "bs", "end", "del"}, U"ab", 2, U"ab", 2},
        EditCase{"ChineseTakesTwoCellsEach", 20, true, U"", {"type:中文", "type:ID"}, U"中文ID", 4, U"中文ID", 6},
        EditCase{"ScrollsToKeepTheCaretInView", 6, true, U"", {"type:ABCDEFGH"}, U"ABCDEFGH", 8, U"DEFGH", 5},
        EditCase{"ScrollsByWholeWideCharacters", 6, true, U"", {"type:中文中文"}, U"中文中文", 4, U"中文", 4},
        EditCase{"HomeScrollsBack", 6, true, U"中文中文", {"home"}, U"中文中文", 0, U"中文中", 0},
        EditCase{"AWideCharacterCutAtTheEdgeIsLeftOut", 4, true, U"A中文中", {"home"}, U"A中文中", 0, U"A中", 0},
        EditCase{"WithoutAutoScrollTheTextStopsAtTheWidth", 5, false, U"", {"type:ABCD", "type:E", "type:中"}, U"ABCD", 4,
                 U"ABCD", 4},
        EditCase{"APasteArrivesWhole", 30, true, U"", {"type:hello 世界"}, U"hello 世界", 8, U"hello 世界", 10},
        EditCase{"LineBreaksAndControlsAreDropped", 30, true, U"", {"type:a\nb\tc"}, U"abc", 3, U"abc", 3},
        EditCase{"AClickInAWideCharacterPutsTheCaretBeforeIt", 20, true, U"中文AB", {"click:3"}, U"中文AB", 1,
                 U"中文AB", 2},
        EditCase{"AClickPastTheTextPutsTheCaretAtTheEnd", 20, true, U"ab", {"home", "click:15"}, U"ab", 2, U"ab", 2},
        EditCase{"DeletingWhileScrolledShowsMoreAgain", 6, true, U"ABCDEFGH", {"bs", "bs", "bs", "bs"}, U"ABCD", 4,
                 U"ABCD", 4}),
    [](const auto& info) { return info.param.name; });

TEST(EditFieldLimit, TypingAndPastingStopAtTheLimitInUtf16Units) {
    EditField f(20, true, 6);
    f.Reset(U"ab");
    EXPECT_TRUE(f.Insert(U"cd\U0001F600e"));  // c d, then a pair (2 units) fills it: e is past it
    EXPECT_TRUE(f.text() == U"abcd\U0001F600");
    EXPECT_FALSE(f.Insert(U"x")) << "a full box takes nothing";
    EXPECT_TRUE(f.Backspace());
    EXPECT_TRUE(f.Insert(U"xyz"));
    EXPECT_TRUE(f.text() == U"abcdxy") << "room for two units after the pair went";
    f.Reset(std::u32string(10, U'p'));
    EXPECT_EQ(f.text().size(), 10u) << "the program's text is not held back";
}

TEST(EditFieldLimit, AMillionCharacterPasteScrollsToItsEnd) {
    EditField f(19, true, 1u << 21);
    std::u32string paste(1u << 20, U'中');
    paste.back() = U'z';
    ASSERT_TRUE(f.Insert(paste));
    EXPECT_EQ(f.caret(), paste.size());
    EditField::View v = f.Visible();
    EXPECT_TRUE(v.text == std::u32string(8, U'中') + U"z") << "the last characters are in view";
    EXPECT_EQ(v.caretColumn, 17);
}

}  // namespace
