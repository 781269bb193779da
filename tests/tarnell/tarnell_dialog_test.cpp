// Tarnell's dialog from its compiled template: where it opens, what it
// shows, that closing it runs nothing, and its message map read back.
#include "TarnellDlg.h"
#include "support/dialog_fixture.h"

namespace test {
namespace {

class TarnellDialogTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        UseResources(TARNELL_RES);
        PlugRadios(Driver::Accepting);
    }
};

// 108 x 153 dialog units are 162 x 248 pixels; centred on the 240 x 320 screen.
Expect Centred(const char* ev) {
    return Expect(ev).Num("id", 102).Num("x", 39).Num("y", 36).Num("width", 162).Num("height", 248);
}

TEST_F(TarnellDialogTest, OpensCentredWithTheProgramIconAndTheFocusOnGprsPowerOn) {
    EXPECT_EQ(RunDialog<CTarnellDlg>("cancel\n"), IDCANCEL);
    EXPECT_TRUE(MatchesSequence(Only(recorder->events, {"dialog", "setIcon", "move", "focus", "endDialog", "destroy"}),
                                {Expect("setIcon").Bool("big", true), Expect("setIcon").Bool("big", false),
                                 Centred("move"), Centred("dialog").Text("caption", u"Tarnell"),
                                 Expect("focus").Num("id", 1000), Expect("endDialog").Num("result", IDCANCEL),
                                 Expect("destroy").Num("id", 102)}));
    auto icons = Only(recorder->events, {"setIcon"});
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0].Find("icon")->number, icons[1].Find("icon")->number) << "one icon, big and small";
    const auto* loaded = ce::res::Module::Current().IconOf(reinterpret_cast<HICON>(icons[0].Find("icon")->number));
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->group, ce::res::ResId::Ordinal(128));
    EXPECT_EQ(mainWndAfter, nullptr) << "m_pMainWnd must not outlive the dialog";
}

TEST_F(TarnellDialogTest, ClosingByOkOrCancelRunsNoOperation) {
    for (auto [script, result] : {std::pair{"ok\n", IDOK}, std::pair{"cancel\n", IDCANCEL}}) {
        recorder->events.clear();
        EXPECT_EQ(RunDialog<CTarnellDlg>(script), result) << script;
        EXPECT_TRUE(Only(recorder->events, {"CreateFileW", "DeviceIoControl", "Sleep", "messageBox"}).empty()) << script;
    }
}

// Reads the map back through the framework's own accessor.
struct TarnellDlgMap : CTarnellDlg {
    using CTarnellDlg::GetMessageMap;
    using CTarnellDlg::OnBacklight20;
    using CTarnellDlg::OnBacklight80;
    using CTarnellDlg::OnDestroy;
    using CTarnellDlg::OnGprsPowerOff;
    using CTarnellDlg::OnGprsPowerOn;
    using CTarnellDlg::OnWlanDisable;
    using CTarnellDlg::OnWlanEnable;
};

TEST_F(TarnellDialogTest, TheMessageMapHasSevenEntriesInOrderOnTheDialogBase) {
    struct Row {
        UINT message, code, first, last;
        AFX_PMSG handler;
        const char* name;
    };
    using D = TarnellDlgMap;
    const std::vector<Row> expected = {
        {WM_COMMAND, BN_CLICKED, 1000, 1000, static_cast<AFX_PMSG>(&D::OnGprsPowerOn), "OnGprsPowerOn"},
        {WM_COMMAND, BN_CLICKED, 1001, 1001, static_cast<AFX_PMSG>(&D::OnGprsPowerOff), "OnGprsPowerOff"},
        {WM_DESTROY, 0, 0, 0, (AFX_PMSG)(AFX_PMSGW)(&D::OnDestroy), "OnDestroy"},
        {WM_COMMAND, BN_CLICKED, 1002, 1002, static_cast<AFX_PMSG>(&D::OnBacklight20), "OnBacklight20"},
        {WM_COMMAND, BN_CLICKED, 1003, 1003, static_cast<AFX_PMSG>(&D::OnBacklight80), "OnBacklight80"},
        {WM_COMMAND, BN_CLICKED, 1004, 1004, static_cast<AFX_PMSG>(&D::OnWlanEnable), "OnWlanEnable"},
        {WM_COMMAND, BN_CLICKED, 1005, 1005, static_cast<AFX_PMSG>(&D::OnWlanDisable), "OnWlanDisable"},
    };
    D dlg;
    const AFX_MSGMAP* map = dlg.GetMessageMap();
    for (size_t i = 0; i < expected.size(); ++i) {
        const AFX_MSGMAP_ENTRY& e = map->lpEntries[i];
        SCOPED_TRACE(std::string("entry #") + std::to_string(i + 1) + " " + expected[i].name);
        EXPECT_EQ(e.nMessage, expected[i].message);
        EXPECT_EQ(e.nCode, expected[i].code);
        EXPECT_EQ(e.nID, expected[i].first);
        EXPECT_EQ(e.nLastID, expected[i].last);
        EXPECT_TRUE(e.pfn == expected[i].handler);
    }
    EXPECT_EQ(map->lpEntries[expected.size()].nSig, static_cast<UINT_PTR>(AfxSig_end));
    struct DialogMap : CDialog {
        using CDialog::GetThisMessageMap;
    };
    EXPECT_EQ(map->pfnGetBaseMap(), DialogMap::GetThisMessageMap());
}

// The closing dialog gets WM_DESTROY through its map, and the handler
// passes it on to the framework's default.
TEST_F(TarnellDialogTest, WmDestroyReachesTheMapEntry) {
    TarnellDlgMap dlg;
    EXPECT_EQ(AfxFindMessageEntry(dlg.GetMessageMap(), WM_DESTROY, 0, 0), &dlg.GetMessageMap()->lpEntries[2]);
}

}  // namespace
}  // namespace test
