// Message maps: entries found along the chain of base maps, in order, and
// commands and window messages routed to their handlers.
#include <gtest/gtest.h>

#include "afxwin.h"

namespace {

class CProbeDlg : public CDialog {
public:
    CProbeDlg() : CDialog(1) {}
    int clicked = 0, destroyed = 0, oks = 0;
    const AFX_MSGMAP* Map() const { return GetMessageMap(); }
    afx_msg void OnFirst() { ++clicked; }
    afx_msg void OnDestroy() { ++destroyed; }
    void OnOK() override { ++oks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeDlg, CDialog)
    ON_BN_CLICKED(5, &CProbeDlg::OnFirst)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

TEST(MessageMap, FindsEntriesInTheClassAndItsBases) {
    CProbeDlg dlg;
    const AFX_MSGMAP* map = dlg.Map();
    const AFX_MSGMAP_ENTRY* click = AfxFindMessageEntry(map, WM_COMMAND, BN_CLICKED, 5);
    ASSERT_NE(click, nullptr);
    EXPECT_EQ(click, &map->lpEntries[0]);
    EXPECT_EQ(AfxFindMessageEntry(map, WM_DESTROY, 0, 0), &map->lpEntries[1]);
    EXPECT_EQ(map->lpEntries[2].nSig, static_cast<UINT_PTR>(AfxSig_end));
    // IDOK and IDCANCEL come from the dialog's base map.
    const AFX_MSGMAP_ENTRY* ok = AfxFindMessageEntry(map, WM_COMMAND, BN_CLICKED, IDOK);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(map->pfnGetBaseMap()->lpEntries, ok);
    EXPECT_EQ(AfxFindMessageEntry(map, WM_COMMAND, BN_CLICKED, 6), nullptr);
}

TEST(MessageMap, CommandsReachTheHandlerAndVirtualOverrides) {
    CProbeDlg dlg;
    EXPECT_TRUE(dlg.OnCmdMsg(5, BN_CLICKED));
    EXPECT_TRUE(dlg.OnCmdMsg(IDOK, BN_CLICKED));
    EXPECT_FALSE(dlg.OnCmdMsg(7, BN_CLICKED));
    EXPECT_EQ(dlg.clicked, 1);
    EXPECT_EQ(dlg.oks, 1) << "the map's OnOK entry calls the override";
}

}  // namespace
