// What the screen shows, painted from a running dialog without a text
// terminal: the dialog from its template, the caret in the edit box, a
// message box in front, the busy bar and the panel.
#include "VelkinDlg.h"
#include "console/canvas.h"
#include "console/terminal_view.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

using ce::console::Canvas;

// Paints the screen each time the window manager waits for the user, then
// answers with the next action of its list.
class PaintingFrontEnd : public ce::FrontEnd {
public:
    explicit PaintingFrontEnd(std::vector<ce::UserAction::Kind> actions) : actions_(std::move(actions)) {}
    ce::UserAction NextAction(const ce::WindowManager& screen) override {
        Canvas canvas(ce::console::kMinimumColumns, ce::console::kMinimumRows);
        caret.push_back(ce::console::PaintWindows(canvas, screen, edits));
        pictures.push_back(canvas);
        ce::UserAction a;
        if (next_ < actions_.size()) a.kind = actions_[next_++];
        if (a.kind == ce::UserAction::Kind::Click) a.id = 1001;
        return a;
    }
    void Rejected(const ce::UserAction&, const std::string& why) override { ADD_FAILURE() << why; }
    void LeftOpen(const std::string&) override {}
    bool Failed() const override { return false; }

    std::vector<Canvas> pictures;
    std::vector<std::optional<std::pair<int, int>>> caret;
    std::map<HWND, ce::console::EditField> edits;

private:
    std::vector<ce::UserAction::Kind> actions_;
    size_t next_ = 0;
};

class TerminalViewTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        UseResources(VELKIN_RES);
    }
    std::string Row(const Canvas& c, int y) { return c.RowText(y); }
};

// Screen cell (x, y) is canvas cell (x + 1, y + 1): the case is round it.
TEST_F(TerminalViewTest, VelkinsDialogIsDrawnFromItsTemplateAtTheTopLeft) {
    PlugIdentity(Driver::Accepting, Bytes64("SIM00001"));
    PaintingFrontEnd screen({ce::UserAction::Kind::Cancel});
    sys->windows->SetFrontEnd(&screen);
    CVelkinDlg dlg;
    dlg.DoModal();
    ASSERT_EQ(screen.pictures.size(), 1u);
    const Canvas& c = screen.pictures[0];
    // The caption row spans the frame: the caption, then [OK] and [x] at its right end.
    EXPECT_EQ(Row(c, 1).substr(1, 35), " Velkin                    [OK][x] ");
    // Row 4 of the client area: the label at client cell 1, then the edit box with the ID.
    std::string idRow = Row(c, 6);
    EXPECT_EQ(idRow.find("│ 设备ID："), 1u) << idRow;
    EXPECT_NE(idRow.find("SIM00001"), std::string::npos) << idRow;
    EXPECT_EQ(c.At(14, 6).ch, U'S') << "the edit box starts at client cell 12";
    EXPECT_NE(Row(c, 10).find("[   确定    ]"), std::string::npos) << Row(c, 10);
    EXPECT_EQ(Row(c, 14).find("└─"), 1u) << "the bottom border, 12 client rows down";
    // Without an edit field of the front end's own, the text shows but no caret.
    EXPECT_FALSE(screen.caret[0]);
}

TEST_F(TerminalViewTest, TheCaretStandsAfterTheTextOfTheFocusedEditBox) {
    PlugIdentity(Driver::Accepting, Bytes64("SIM00001"));
    PaintingFrontEnd screen({ce::UserAction::Kind::Cancel});
    sys->windows->SetFrontEnd(&screen);
    // The edit box as the interactive screen keeps it.
    struct Seed : ce::FrontEnd {
        PaintingFrontEnd* inner;
        ce::UserAction NextAction(const ce::WindowManager& wm) override {
            for (const auto& f : wm.Modals())
                if (const ce::Window* d = wm.Find(f.dialog))
                    for (const ce::Window* w : d->children)
                        if (w->kind == ce::WindowKind::Edit) {
                            ce::console::EditField field(20, true);
                            field.Reset(U"SIM00001");
                            inner->edits.emplace(w->handle, field);
                        }
            return inner->NextAction(wm);
        }
        void Rejected(const ce::UserAction& a, const std::string& w) override { inner->Rejected(a, w); }
        void LeftOpen(const std::string&) override {}
        bool Failed() const override { return false; }
    } seed;
    seed.inner = &screen;
    sys->windows->SetFrontEnd(&seed);
    CVelkinDlg dlg;
    dlg.DoModal();
    ASSERT_EQ(screen.caret.size(), 1u);
    ASSERT_TRUE(screen.caret[0]);
    EXPECT_EQ(*screen.caret[0], (std::pair{14 + 8, 6}));
}

TEST_F(TerminalViewTest, AMessageBoxIsDrawnInFrontWithItsMark) {
    PlugIdentity(Driver::Refusing);
    PaintingFrontEnd screen({ce::UserAction::Kind::Click, ce::UserAction::Kind::Dismiss, ce::UserAction::Kind::Cancel});
    sys->windows->SetFrontEnd(&screen);
    CVelkinDlg dlg;
    dlg.DoModal();
    ASSERT_EQ(screen.pictures.size(), 3u);
    const Canvas& box = screen.pictures[1];
    // Centred: frame at screen cell (8, 9), text row 11.
    std::string textRow = Row(box, 12);
    EXPECT_NE(textRow.find(" ! "), std::string::npos) << textRow;
    EXPECT_NE(textRow.find("设置设备ID失败！"), std::string::npos) << textRow;
    EXPECT_NE(Row(box, 14).find("[ OK ]"), std::string::npos) << Row(box, 14);
    EXPECT_NE(Row(box, 10).find("console_tests"), std::string::npos) << "the caption: " << Row(box, 10);
    EXPECT_EQ(Row(screen.pictures[2], 12).find("设置设备ID失败"), std::string::npos) << "the box is gone";
}

TEST(TerminalFrame, TheBusyBarShowsTheWaitSoFar) {
    Canvas c(ce::console::kMinimumColumns, ce::console::kMinimumRows);
    ce::console::FrameState f;
    f.busy = ce::console::BusyState{1500, 3000};
    ce::console::PaintFrame(c, f);
    std::string bottom = c.RowText(ce::console::kCaseHeight - 1);
    EXPECT_NE(bottom.find("busy 1.5 s of 3.0 s ["), std::string::npos) << bottom;
    size_t open = bottom.find('['), close = bottom.find(']');
    ASSERT_LT(open, close) << bottom;
    std::string bar = bottom.substr(open + 1, close - open - 1);
    EXPECT_EQ(bar, std::string(bar.size() / 2, '#') + std::string(bar.size() - bar.size() / 2, '.')) << "half way";
}

TEST(TerminalFrame, ThePanelShowsTheHardwareAndZerosInTheDebugOutput) {
    Canvas c(ce::console::kMinimumColumns, ce::console::kMinimumRows);
    ce::console::FrameState f;
    f.hardware = {{u"GPRS modem (GPR1:)", u"on"}, {u"backlight (BKL1:)", u"level 20"}};
    f.debugOutput = std::u16string(u"AB\0\0C", 5);
    ce::console::PaintFrame(c, f);
    std::string all;
    for (int y = 0; y < c.height(); ++y) all += c.RowText(y) + "\n";
    EXPECT_NE(all.find("GPRS modem (GPR1:) on"), std::string::npos) << all;
    EXPECT_NE(all.find("backlight (BKL1:)  level 20"), std::string::npos) << all;
    EXPECT_NE(all.find("AB␀␀C"), std::string::npos) << all;
}

TEST(Canvas, OverwritingHalfAWideCharacterBlanksTheOtherHalf) {
    Canvas c(6, 1);
    c.Put(0, 0, U"中文", ce::console::Style::Normal);
    c.Put(1, 0, U"x", ce::console::Style::Normal);
    EXPECT_EQ(c.RowText(0), " x文  ");
    c.Put(4, 0, U"中", ce::console::Style::Normal, 1);
    EXPECT_EQ(c.RowText(0), " x文  ") << "a wide character that does not fit is left out";
}

}  // namespace
}  // namespace test
