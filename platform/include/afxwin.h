// The application framework subset: strings, command targets with message
// maps, windows, dialogs, the application object and its message box.
#ifndef CE_AFXWIN_H
#define CE_AFXWIN_H

#include "windows.h"
#include "afxres.h"
#include <string>

#define afx_msg
#define AFX_MSG_CALL
#define AFXAPI
#define AFX_CDECL

// ---------------------------------------------------------------- CString
// A counted string of UTF-16 units; U+0000 units are held like any other.
class CString {
public:
    CString();
    CString(const CString& other);
    CString(LPCTSTR psz);                    // up to the first U+0000
    CString(LPCTSTR pch, int nLength);       // exactly nLength units
    CString(TCHAR ch, int nRepeat = 1);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(LPCTSTR psz);
    CString& operator+=(const CString& other);
    CString& operator+=(LPCTSTR psz);
    CString& operator+=(TCHAR ch);

    int GetLength() const;
    BOOL IsEmpty() const;
    void Empty();
    TCHAR GetAt(int nIndex) const;
    TCHAR operator[](int nIndex) const;
    void SetAt(int nIndex, TCHAR ch);
    int Compare(LPCTSTR psz) const;
    operator LPCTSTR() const;

    LPTSTR GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);  // -1: up to the first U+0000

private:
    std::u16string m_text;
};

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, LPCTSTR b);
bool operator!=(const CString& a, const CString& b);
CString operator+(const CString& a, const CString& b);

// ---------------------------------------------------------- message maps
class CCmdTarget;
class CWnd;
typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);
typedef void (AFX_MSG_CALL CWnd::*AFX_PMSGW)(void);

// How a handler is called: every handler here takes nothing and returns nothing.
enum AfxSig {
    AfxSig_end = 0,
    AfxSig_vv,     // void (void), a command or notification handler
    AfxSig_vw_v,   // void (void), a window-message handler
};

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    UINT_PTR nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* PASCAL GetThisMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const; \
public:

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* PASCAL theClass::GetThisMessageMap() { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
        (void)sizeof(ThisClass*); \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            {0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0} \
        }; \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap; \
    }

#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, 0, (WORD)(id), (WORD)(id), AfxSig_vv, \
     static_cast<AFX_PMSG>(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(void)>(memberFxn))},

#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_vv, \
     static_cast<AFX_PMSG>(static_cast<void (AFX_MSG_CALL CCmdTarget::*)(void)>(memberFxn))},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)

#define ON_WM_DESTROY() \
    {WM_DESTROY, 0, 0, 0, AfxSig_vw_v, \
     (AFX_PMSG)(AFX_PMSGW)(static_cast<void (AFX_MSG_CALL CWnd::*)(void)>(&ThisClass::OnDestroy))},

// ------------------------------------------------------------ CCmdTarget
class CCmdTarget {
public:
    CCmdTarget();
    virtual ~CCmdTarget();
    // Finds the handler for a command or notification along the map chain and runs it.
    virtual BOOL OnCmdMsg(UINT nID, int nCode);

    static const AFX_MSGMAP* PASCAL GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

// Looks up the first entry for a message, code and id along the chain of maps.
const AFX_MSGMAP_ENTRY* AfxFindMessageEntry(const AFX_MSGMAP* pMap, UINT nMsg, UINT nCode, UINT nID);

// ------------------------------------------------------------------ CWnd
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
};

class CWnd : public CCmdTarget {
public:
    CWnd();
    virtual ~CWnd();

    HWND m_hWnd;
    HWND GetSafeHwnd() const;

    // The window object of a handle: the permanent one attached to it, a
    // temporary one for a window the framework did not create, NULL for NULL.
    static CWnd* PASCAL FromHandle(HWND hWnd);
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    BOOL Attach(HWND hWnd);
    HWND Detach();

    CWnd* GetDlgItem(int nID) const;
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    void CenterWindow(CWnd* pAlternateOwner = NULL);
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL DestroyWindow();
    CWnd* SetFocus();

    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void PostNcDestroy();

    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();

protected:
    LRESULT Default();

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nMsgCur;
    WPARAM m_wParamCur;
    LPARAM m_lParamCur;
    friend struct CWndMessageScope;
};

// --------------------------------------------------------------- CDialog
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual ~CDialog();

    virtual INT_PTR DoModal();
    virtual BOOL OnInitDialog();
    void EndDialog(int nResult);

    UINT m_nIDHelp;
    LPCTSTR m_lpszTemplateName;
    CWnd* m_pParentWnd;

protected:
    virtual void OnOK();
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// ------------------------------------------------------ the application
class CWinThread : public CCmdTarget {
public:
    CWinThread();
    virtual ~CWinThread();
    CWnd* m_pMainWnd;
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();
};

class CWinApp : public CWinThread {
public:
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    LPCTSTR m_pszAppName;
    LPCTSTR m_pszExeName;
    LPCTSTR m_pszRegistryKey;
    LPCTSTR m_pszProfileName;
    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;

    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    void SetRegistryKey(LPCTSTR lpszRegistryKey);

    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual BOOL InitApplication();
    virtual int ExitInstance();

    // Sets m_hInstance, m_pszExeName and, from the title string or else the
    // executable's name, m_pszAppName.
    void SetCurrentHandles();

    DECLARE_MESSAGE_MAP()

private:
    CString m_strAppName;
    CString m_strExeName;
    CString m_strRegistryKey;
};

CWinApp* AFXAPI AfxGetApp();
CWinThread* AFXAPI AfxGetThread();
CWnd* AFXAPI AfxGetMainWnd();
HINSTANCE AFXAPI AfxGetInstanceHandle();
HINSTANCE AFXAPI AfxGetResourceHandle();
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);
int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
void AFXAPI AfxWinTerm();
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

// The framework's window procedure for the windows it has attached.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// The program entry the start-up routine calls; it forwards to AfxWinMain.
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);

#endif
