// CWnd: the framework's window object, its handle maps and message routing.
#include <map>
#include <memory>

#include "afxwin.h"

namespace {

// Windows the framework created and attached, and stand-in objects for the
// windows it did not (the dialog's controls). Stand-ins live until their
// window is gone and the next modal loop ends, as temporary objects do.
std::map<HWND, CWnd*>& PermanentMap() {
    static auto* map = new std::map<HWND, CWnd*>;
    return *map;
}
std::map<HWND, std::unique_ptr<CWnd>>& TemporaryMap() {
    static auto* map = new std::map<HWND, std::unique_ptr<CWnd>>;
    return *map;
}

}  // namespace

// Deletes the stand-ins of windows that no longer exist.
void AfxPurgeTemporaryWindows() {
    auto& temps = TemporaryMap();
    for (auto it = temps.begin(); it != temps.end();) {
        if (!::IsWindow(it->first)) {
            it->second->m_hWnd = nullptr;
            it = temps.erase(it);
        } else {
            ++it;
        }
    }
}

struct CWndMessageScope {
    CWndMessageScope(CWnd* w, UINT m, WPARAM wp, LPARAM lp)
        : wnd(w), msg(w->m_nMsgCur), wParam(w->m_wParamCur), lParam(w->m_lParamCur) {
        w->m_nMsgCur = m;
        w->m_wParamCur = wp;
        w->m_lParamCur = lp;
    }
    ~CWndMessageScope() {
        wnd->m_nMsgCur = msg;
        wnd->m_wParamCur = wParam;
        wnd->m_lParamCur = lParam;
    }
    CWnd* wnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandlePermanent(hWnd);
    if (!wnd) return CallWindowProcW(nullptr, hWnd, nMsg, wParam, lParam);
    return wnd->WindowProc(nMsg, wParam, lParam);
}

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

CWnd::CWnd() : m_hWnd(nullptr), m_nMsgCur(0), m_wParamCur(0), m_lParamCur(0) {}

CWnd::~CWnd() {
    if (m_hWnd) Detach();
}

HWND CWnd::GetSafeHwnd() const { return m_hWnd; }

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd) {
    auto it = PermanentMap().find(hWnd);
    return it == PermanentMap().end() ? nullptr : it->second;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd) {
    if (!hWnd) return nullptr;
    if (CWnd* permanent = FromHandlePermanent(hWnd)) return permanent;
    auto& temps = TemporaryMap();
    auto it = temps.find(hWnd);
    if (it != temps.end()) return it->second.get();
    auto wnd = std::make_unique<CWnd>();
    wnd->m_hWnd = hWnd;
    CWnd* raw = wnd.get();
    temps.emplace(hWnd, std::move(wnd));
    return raw;
}

BOOL CWnd::Attach(HWND hWnd) {
    if (!hWnd || m_hWnd) return FALSE;
    m_hWnd = hWnd;
    PermanentMap()[hWnd] = this;
    return TRUE;
}

HWND CWnd::Detach() {
    HWND h = m_hWnd;
    if (h) {
        auto it = PermanentMap().find(h);
        if (it != PermanentMap().end() && it->second == this) PermanentMap().erase(it);
    }
    m_hWnd = nullptr;
    return h;
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

void CWnd::SetWindowText(LPCTSTR lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
    return ::GetWindowTextW(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const {
    int length = ::GetWindowTextLengthW(m_hWnd);
    int copied = ::GetWindowTextW(m_hWnd, rString.GetBuffer(length), length + 1);
    rString.ReleaseBuffer(copied);
}

int CWnd::GetWindowTextLength() const { return ::GetWindowTextLengthW(m_hWnd); }

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    RECT area{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    HWND owner = pAlternateOwner ? pAlternateOwner->m_hWnd : ::GetParent(m_hWnd);
    if (owner) ::GetWindowRect(owner, &area);
    RECT mine;
    if (!::GetWindowRect(m_hWnd, &mine)) return;
    int width = mine.right - mine.left, height = mine.bottom - mine.top;
    int x = area.left + ((area.right - area.left) - width) / 2;
    int y = area.top + ((area.bottom - area.top) - height) / 2;
    ::SetWindowPos(m_hWnd, nullptr, x < 0 ? 0 : x, y < 0 ? 0 : y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::DestroyWindow() { return m_hWnd ? ::DestroyWindow(m_hWnd) : FALSE; }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    CWndMessageScope scope(this, message, wParam, lParam);
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    *pResult = 0;
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        OnNcDestroy();
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* entry = AfxFindMessageEntry(GetMessageMap(), message, 0, 0);
    if (!entry) return FALSE;
    switch (entry->nSig) {
        case AfxSig_vv:
        case AfxSig_vw_v: (this->*entry->pfn)(); return TRUE;
        default: return FALSE;
    }
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) { return OnCmdMsg(LOWORD(wParam), HIWORD(wParam)); }

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcW(nullptr, m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(m_nMsgCur, m_wParamCur, m_lParamCur); }

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::OnDestroy() { Default(); }

void CWnd::OnNcDestroy() {
    // The main window pointer must not outlive the window it names.
    CWinThread* thread = AfxGetThread();
    if (thread && thread->m_pMainWnd == this) thread->m_pMainWnd = nullptr;
    Default();
    Detach();
    PostNcDestroy();
}

void CWnd::PostNcDestroy() {}
