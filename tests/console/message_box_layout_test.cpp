// The message box on the 40 x 25 cell screen: centred, the exclamation mark
// for its type, the text wrapped to fit.
#include <gtest/gtest.h>

#include "console/message_box_layout.h"
#include "console/text_cells.h"

namespace {

using ce::console::CellRect;
using ce::console::LayOutMessageBox;
using ce::console::TextWidth;

TEST(MessageBoxLayout, VelkinsFailureBoxIsCentredWithItsMark) {
    auto m = LayOutMessageBox(u"设置设备ID失败！", u"Velkin", 0x10030, 40, 25);
    EXPECT_TRUE(m.exclamation);
    ASSERT_EQ(m.lines.size(), 1u);
    EXPECT_TRUE(m.lines[0] == U"设置设备ID失败！");
    // 16 cells of text and 4 of the mark, a cell of padding and a border each side.
    EXPECT_EQ(m.frame, (CellRect{8, 9, 24, 6}));
    EXPECT_EQ(m.iconX, 10);
    EXPECT_EQ(m.textX, 14);
    EXPECT_EQ(m.textY, 11);
    EXPECT_EQ(m.okButton, (CellRect{17, 13, 6, 1}));
}

TEST(MessageBoxLayout, NoIconTypeShowsNoMark) {
    auto m = LayOutMessageBox(u"Power Down Fail!!!", u"Tarnell", 0, 40, 25);
    EXPECT_FALSE(m.exclamation);
    EXPECT_EQ(m.textX, m.frame.x + 2);
    EXPECT_EQ(m.frame.w, 18 + 4);
}

TEST(MessageBoxLayout, ALongCaptionWidensTheBoxUpToTheScreen) {
    auto m = LayOutMessageBox(u"OK", std::u16string(60, u'C'), 0, 40, 25);
    EXPECT_EQ(m.frame.w, 40);
    EXPECT_EQ(m.frame.x, 0);
}

struct Wrap {
    std::string name;
    std::u16string text;
    size_t lines;
};
void PrintTo(const Wrap& w, std::ostream* os) { *os << w.name; }

class MessageBoxWrap : public ::testing::TestWithParam<Wrap> {};

TEST_P(MessageBoxWrap, FitsTheScreenAndLosesNothingButSpaces) {
    const Wrap& w = GetParam();
    auto m = LayOutMessageBox(w.text, u"Tarnell", MB_ICONEXCLAMATION, 40, 25);
    EXPECT_EQ(m.lines.size(), w.lines);
    EXPECT_LE(m.frame.w, 40);
    EXPECT_LE(m.frame.Bottom(), 25);
    std::u32string joined;
    for (const auto& line : m.lines) {
        EXPECT_LE(m.textX + TextWidth(line), m.frame.Right() - 2) << "a line runs past the box";
        joined += line;
    }
    std::u32string expected;
    for (char32_t c : ce::console::ToCodePoints(w.text))
        if (c != U' ' && c != U'\n') expected += c;
    std::u32string got;
    for (char32_t c : joined)
        if (c != U' ') got += c;
    EXPECT_TRUE(got == expected) << "text lost in wrapping";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MessageBoxWrap,
    ::testing::Values(
        Wrap{"OneShortLine", u"GPRS ON Failed!!!", 1},
        Wrap{"WordsWrapAtSpaces", u"The modem did not answer the power request in time, so it stays off for now", 3},
        Wrap{"ChineseBreaksBetweenAnyCharacters", std::u16string(30, u'设'), 2},
        Wrap{"AWordLongerThanALineIsBroken", std::u16string(50, u'W'), 2},
        Wrap{"LineBreaksAreKept", u"first\nsecond\nthird", 3}),
    [](const auto& info) { return info.param.name; });

TEST(MessageBoxLayout, TextTooLongForTheScreenIsCutWithAnEllipsis) {
    std::u16string text;
    for (int i = 0; i < 40; ++i) text += u"line\n";
    auto m = LayOutMessageBox(text, u"T", 0, 40, 25);
    EXPECT_EQ(m.frame.h, 25 - 1);
    EXPECT_EQ(m.lines.back().back(), U'…');
}

TEST(WrapText, WordsStayWholeWhenTheyFit) {
    auto lines = ce::console::WrapText(U"aaa bbb ccc", 7);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0] == U"aaa bbb");
    EXPECT_TRUE(lines[1] == U"ccc");
}

}  // namespace
