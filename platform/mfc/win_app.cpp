// CWinThread and CWinApp: the application object, its title, icons and
// message boxes.
#include "afxdisp.h"
#include "afxwin.h"
#include "kernel/system.h"
#include "wm/window_manager.h"

namespace {
CWinApp* g_app = nullptr;

// The executable's file name without folder and extension.
CString ExecutableTitle() {
    WCHAR path[1024];
    DWORD n = ::GetModuleFileNameW(nullptr, path, 1024);
    int start = 0, end = static_cast<int>(n);
    for (int i = 0; i < static_cast<int>(n); ++i)
        if (path[i] == u'/' || path[i] == u'\\') start = i + 1;
    for (int i = static_cast<int>(n) - 1; i > start; --i)
        if (path[i] == u'.') {
            end = i;
            break;
        }
    return CString(path + start, end - start);
}
}  // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinThread::CWinThread() : m_pMainWnd(nullptr) {}
CWinThread::~CWinThread() = default;
BOOL CWinThread::InitInstance() { return FALSE; }
int CWinThread::Run() { return ExitInstance(); }
int CWinThread::ExitInstance() { return 0; }

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(nullptr),
      m_pszExeName(nullptr),
      m_pszRegistryKey(nullptr),
      m_pszProfileName(nullptr),
      m_hInstance(nullptr),
      m_lpCmdLine(nullptr),
      m_nCmdShow(SW_SHOW) {
    if (lpszAppName) {
        m_strAppName = lpszAppName;
        m_pszAppName = m_strAppName;
    }
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
    ce::System::Get().transcript.Emit(ce::trace::Event("appDestroyed"));
}

void CWinApp::SetCurrentHandles() {
    m_strExeName = ExecutableTitle();
    m_pszExeName = m_strExeName;
    if (!m_pszAppName) {
        WCHAR title[256];
        if (::LoadStringW(m_hInstance, AFX_IDS_APP_TITLE, title, 256) > 0)
            m_strAppName = title;
        else
            m_strAppName = m_strExeName;
        m_pszAppName = m_strAppName;
    }
}

HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return LoadIcon(MAKEINTRESOURCE(nIDResource));
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const {
    return ::LoadIconW(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) {
    m_strRegistryKey = lpszRegistryKey;
    m_pszRegistryKey = m_strRegistryKey;
    m_pszProfileName = m_pszAppName;
    ce::System::Get().transcript.Emit(
        ce::trace::Event("SetRegistryKey").Text("key", lpszRegistryKey ? lpszRegistryKey : u""));
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT) {
    UINT shown = nType;
    if ((shown & MB_ICONMASK) == 0) shown |= MB_ICONEXCLAMATION;
    shown |= MB_SETFOREGROUND;
    CWnd* owner = m_pMainWnd;
    HWND hOwner = owner ? owner->m_hWnd : nullptr;
    CString caption = m_pszAppName ? CString(m_pszAppName) : ExecutableTitle();
    return ce::System::Get().windows->RunMessageBox(hOwner, lpszPrompt ? lpszPrompt : u"",
                                                    static_cast<LPCTSTR>(caption), shown, nType);
}

BOOL CWinApp::InitApplication() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }

CWinApp* AFXAPI AfxGetApp() { return g_app; }
CWinThread* AFXAPI AfxGetThread() { return g_app; }
CWnd* AFXAPI AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }
HINSTANCE AFXAPI AfxGetInstanceHandle() { return ::GetModuleHandleW(nullptr); }
HINSTANCE AFXAPI AfxGetResourceHandle() { return ::GetModuleHandleW(nullptr); }

// One module holds every resource here: the executable itself.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR, LPCTSTR) { return AfxGetResourceHandle(); }

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp) {
    if (CWinApp* app = AfxGetApp()) return app->DoMessageBox(lpszText, nType, nIDHelp);
    // No application object (it is gone, or not yet made): a plain box.
    return ::MessageBoxW(nullptr, lpszText, nullptr, nType | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
}

void AFXAPI AfxEnableControlContainer(COccManager*) {
    ce::System::Get().transcript.Emit(ce::trace::Event("AfxEnableControlContainer"));
}
