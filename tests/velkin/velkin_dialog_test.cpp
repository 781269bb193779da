// Velkin's dialog built from its compiled template and driven by scripted
// user actions: what it shows, what each press and close sends the driver.
#include "VelkinDlg.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

class VelkinDialogTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        UseResources(VELKIN_RES);
    }

    INT_PTR Run(const std::string& script) { return RunDialog<CVelkinDlg>(script); }

    std::vector<Event> Screen() const {
        return Only(recorder->events, {"dialog", "setIcon", "setText", "focus", "messageBox", "dismiss",
                                       "endDialog", "destroy", "DeviceIoControl"});
    }

};

const int64_t H = TerminalFixture::kFirstHandle;

Expect Opens() {
    // At the template's place: Velkin does not centre itself.
    return Expect("dialog").Num("id", 102).Text("caption", u"Velkin").Num("x", 0).Num("y", 0).Num("width", 195).Num("height", 146);
}
Expect BigIcon() { return Expect("setIcon").Bool("big", true); }
Expect SmallIcon() { return Expect("setIcon").Bool("big", false); }
Expect Shows(int id, std::u16string text) { return Expect("setText").Num("id", id).Text("text", std::move(text)); }
Expect Focus(int id) { return Expect("focus").Num("id", id); }
Expect Ends(int result) { return Expect("endDialog").Num("result", result); }
Expect Gone() { return Expect("destroy").Num("id", 102); }

TEST_F(VelkinDialogTest, OpensWithTheIdInTheEditBoxAndTheFocusThere) {
    PlugIdentity(Driver::Accepting, Bytes64("SIM00001"));
    EXPECT_EQ(Run("cancel\n"), IDCANCEL);
    EXPECT_TRUE(MatchesSequence(Screen(), {BigIcon(), SmallIcon(), GetRequest(H, Bytes64("SIM00001"), 1),
                                           Shows(1000, u"SIM00001"), Opens(), Focus(1000), Ends(IDCANCEL), Gone()}));
    EXPECT_EQ(mainWndAfter, nullptr) << "m_pMainWnd must not outlive the dialog";
}

TEST_F(VelkinDialogTest, BothIconsAreTheProgramIcon) {
    PlugIdentity(Driver::Accepting);
    Run("cancel\n");
    auto icons = Only(recorder->events, {"setIcon"});
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(ce::trace::ToJson(*icons[0].Find("icon")), ce::trace::ToJson(*icons[1].Find("icon")));
    HICON icon = reinterpret_cast<HICON>(icons[0].Find("icon")->number);
    const auto* loaded = ce::res::Module::Current().IconOf(icon);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->group, ce::res::ResId::Ordinal(128));
}

TEST_F(VelkinDialogTest, AnIdWithAZeroByteShowsTheCharactersBeforeIt) {
    PlugIdentity(Driver::Accepting, Bytes64({'A', 'B', 0, 'C', 'D'}));
    Run("cancel\n");
    EXPECT_TRUE(MatchesSequence(Only(recorder->events, {"setText"}), {Shows(1000, u"AB")}));
}

struct PressCase {
    std::string name;
    Driver driver;
    std::string script;
    std::vector<Expect> afterOpening;  // the screen and requests once the dialog is up
};
void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }

class VelkinPressTest : public VelkinDialogTest, public ::testing::WithParamInterface<PressCase> {};

const std::u16string kFailed = u"设置设备ID失败！";
Expect Box() {
    // MB_OK as the program passed it; the framework adds the exclamation mark
    // and MB_SETFOREGROUND, and captions it with the executable's name.
    return Expect("messageBox").Text("text", kFailed).Text("caption", u"velkin_tests").Num("type", 0).Num("shownType", 0x10030);
}

TEST_P(VelkinPressTest, Sequence) {
    const PressCase& c = GetParam();
    PlugIdentity(c.driver, Bytes64("OLD"));
    Run(c.script);
    auto screen = Screen();
    // Skip the opening: dialog, two icons, the read, the edit's text and focus.
    size_t opening = c.driver == Driver::Absent ? 5 : 6;
    ASSERT_GE(screen.size(), opening);
    EXPECT_TRUE(MatchesSequence(std::vector<Event>(screen.begin() + opening, screen.end()), c.afterOpening));
    EXPECT_EQ(sys->handles.OpenCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, VelkinPressTest,
    ::testing::Values(
        PressCase{"PressWritesTheTypedText", Driver::Accepting, "set-text 1000 \"NEW-1\"\nclick 1001\ncancel\n",
                  {Shows(1000, u"NEW-1"), Focus(1001), PutRequest(H + 4, Bytes64("NEW-1"), 1), Ends(IDCANCEL), Gone()}},
        PressCase{"PressAgainWritesAgain", Driver::Accepting, "click 1001\nclick 1001\nok\n",
                  {Focus(1001), PutRequest(H + 4, Bytes64("OLD"), 1), PutRequest(H + 8, Bytes64("OLD"), 1), Ends(IDOK),
                   Gone()}},
        PressCase{"EmptyTextIsStillWritten", Driver::Accepting, "set-text 1000 \"\"\nclick 1001\nok\n",
                  {Shows(1000, u""), Focus(1001), PutRequest(H + 4, Bytes64(""), 1), Ends(IDOK), Gone()}},
        PressCase{"RefusedWriteShowsTheBoxAndKeepsTheText", Driver::Refusing,
                  "set-text 1000 \"NEW-1\"\nclick 1001\ndismiss\nok\n",
                  {Shows(1000, u"NEW-1"), Focus(1001), PutRequest(H + 4, Bytes64("NEW-1"), 0), Box(),
                   Expect("dismiss"), Ends(IDOK), Gone()}},
        PressCase{"AbsentDriverShowsTheBoxOncePerPress", Driver::Absent, "click 1001\ndismiss\nclick 1001\ndismiss\ncancel\n",
                  {Focus(1001), Box(), Expect("dismiss"), Box(), Expect("dismiss"), Ends(IDCANCEL), Gone()}},
        PressCase{"TooLongTextShowsTheBox", Driver::Accepting,
                  "set-text 1000 \"" + std::string(65, 'A') + "\"\nclick 1001\ndismiss\ncancel\n",
                  {Shows(1000, std::u16string(65, u'A')), Focus(1001), Box(), Expect("dismiss"), Ends(IDCANCEL), Gone()}},
        PressCase{"OkDoesNotWrite", Driver::Accepting, "set-text 1000 \"NEW-1\"\nok\n",
                  {Shows(1000, u"NEW-1"), Ends(IDOK), Gone()}},
        PressCase{"CancelDoesNotWrite", Driver::Accepting, "set-text 1000 \"NEW-1\"\ncancel\n",
                  {Shows(1000, u"NEW-1"), Ends(IDCANCEL), Gone()}}),
    [](const auto& info) { return info.param.name; });

TEST_F(VelkinDialogTest, OkAndCancelLeaveTheStoredIdAlone) {
    for (const char* close : {"ok\n", "cancel\n"}) {
        PlugIdentity(Driver::Accepting, Bytes64("OLD"));
        Run(std::string("set-text 1000 \"NEW\"\n") + close);
        EXPECT_EQ(StoredId(), Bytes64("OLD")) << close;
    }
}

TEST_F(VelkinDialogTest, AClickWhileTheBoxIsUpStopsTheRunAndClosesEverything) {
    PlugIdentity(Driver::Refusing);
    EXPECT_EQ(Run("click 1001\nclick 1001\n"), IDCANCEL);
    EXPECT_TRUE(frontEnd->Failed());
    auto errors = Only(recorder->events, {"scriptError"});
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].Find("line")->number, 2);
    EXPECT_EQ(Only(recorder->events, {"DeviceIoControl"}).size(), 2u) << "the second click must not reach the dialog";
}

TEST_F(VelkinDialogTest, AnActionOnAControlTheDialogLacksStopsTheRun) {
    PlugIdentity(Driver::Accepting);
    for (const char* script : {"click 1002\n", "set-text 1001 \"x\"\n", "click 1000\n", "dismiss\n"}) {
        recorder->events.clear();
        Run(script);
        EXPECT_TRUE(frontEnd->Failed()) << script;
        EXPECT_EQ(Only(recorder->events, {"scriptError"}).size(), 1u) << script;
        EXPECT_TRUE(Only(recorder->events, {"messageBox"}).empty()) << script;
    }
}

TEST_F(VelkinDialogTest, ADialogThatCannotBeCreatedLeavesNoMainWindowBehind) {
    PlugIdentity(Driver::Accepting);
    sys->faults.FailCall("DialogBoxParamW", 1);
    EXPECT_EQ(Run(""), -1);
    EXPECT_EQ(mainWndAfter, nullptr) << "m_pMainWnd still points at the dialog, a local about to go";
}

// The edit box takes from the user at most its limit, 30,000 units unless the
// program changes it; what the program sets is not held back.
class LimitProbe : public ce::FrontEnd {
public:
    ce::UserAction NextAction(const ce::WindowManager& screen) override {
        ce::UserAction a;
        HWND edit = GetDlgItem(screen.Modals().back().dialog, 1000);
        switch (step++) {
            case 0:
                limitAtStart = SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
                a.kind = ce::UserAction::Kind::SetText, a.id = 1000, a.text = std::u16string(30001, u'a');
                return a;
            case 1:
                SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(std::u16string(40000, u'p').c_str()));
                programSet = GetWindowTextLengthW(edit);
                SendMessageW(edit, EM_LIMITTEXT, 5, 0);
                a.kind = ce::UserAction::Kind::SetText, a.id = 1000, a.text = u"abcd\U0001F600";  // the pair would be units 5 and 6
                return a;
            case 2:
                SendMessageW(edit, EM_LIMITTEXT, 0, 0);
                limitRaised = SendMessageW(edit, EM_GETLIMITTEXT, 0, 0);
                a.kind = ce::UserAction::Kind::SetText, a.id = 1000, a.text = std::u16string(1 << 20, u'b');
                return a;
            default: return a;
        }
    }
    void Rejected(const ce::UserAction&, const std::string&) override {}
    void LeftOpen(const std::string&) override {}
    bool Failed() const override { return false; }
    int step = 0;
    LRESULT limitAtStart = 0, limitRaised = 0;
    int programSet = 0;
};

TEST_F(VelkinDialogTest, TheEditBoxTakesFromTheUserAtMostItsLimit) {
    PlugIdentity(Driver::Accepting);
    LimitProbe probe;
    sys->windows->SetFrontEnd(&probe);
    CVelkinDlg dlg;
    app.m_pMainWnd = &dlg;
    dlg.DoModal();
    EXPECT_EQ(probe.limitAtStart, 30000);
    EXPECT_EQ(probe.programSet, 40000) << "the program's own text is not limited";
    EXPECT_EQ(probe.limitRaised, 0x7FFFFFFE) << "EM_LIMITTEXT 0 is the largest limit";
    std::vector<size_t> lengths;
    for (const Event& e : Only(recorder->events, {"setText"}))
        if (e.Find("id")->number == 1000) lengths.push_back(e.Find("text")->text.size());
    EXPECT_EQ(lengths, (std::vector<size_t>{8, 30000, 40000, 4, 1u << 20}))
        << "the read ID up to its zero bytes; the user's 30,001 cut at 30,000; the program's 40,000; 4, not half a surrogate pair; 1 MiB";
}

// Reads the dialog's map back through the framework's own accessor.
struct VelkinDlgMap : CVelkinDlg {
    using CVelkinDlg::GetMessageMap;
    using CVelkinDlg::OnWriteDeviceId;
};

TEST_F(VelkinDialogTest, TheMessageMapHasOneEntryOnTheDialogBase) {
    VelkinDlgMap dlg;
    const AFX_MSGMAP* map = dlg.GetMessageMap();
    const AFX_MSGMAP_ENTRY& e = map->lpEntries[0];
    EXPECT_EQ(e.nMessage, static_cast<UINT>(WM_COMMAND));
    EXPECT_EQ(e.nCode, static_cast<UINT>(BN_CLICKED));
    EXPECT_EQ(e.nID, 1001u);
    EXPECT_EQ(e.nLastID, 1001u);
    EXPECT_TRUE(e.pfn == static_cast<AFX_PMSG>(&VelkinDlgMap::OnWriteDeviceId));
    EXPECT_EQ(map->lpEntries[1].nSig, static_cast<UINT_PTR>(AfxSig_end));
    struct DialogMap : CDialog {
        using CDialog::GetThisMessageMap;
    };
    EXPECT_EQ(map->pfnGetBaseMap(), DialogMap::GetThisMessageMap());
}

}  // namespace
}  // namespace test
