// CDialog: modal dialogs from templates, with the default OK and Cancel.
#include "afxwin.h"

void AfxPurgeTemporaryWindows();

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    // The dialog object rides in with WM_INITDIALOG: attach it and route the
    // window's messages through the framework from now on.
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    dialog->Attach(hWnd);
    ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc));
    return dialog->OnInitDialog();
}

INT_PTR CDialog::DoModal() {
    HWND parent = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    HINSTANCE instance = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
    INT_PTR result = ::DialogBoxParamW(instance, m_lpszTemplateName, parent, &CDialog::DialogProc,
                                       reinterpret_cast<LPARAM>(this));
    // A dialog that could not be created never had a window whose
    // destruction would let go of it: no main window may outlive DoModal
    // pointing at this object, which is usually a local of InitInstance.
    if (CWinThread* thread = AfxGetThread(); thread && thread->m_pMainWnd == this) thread->m_pMainWnd = nullptr;
    AfxPurgeTemporaryWindows();
    return result;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }
