#include "stdafx.h"
#include "Tarnell.h"
#include "TarnellDlg.h"
#include "ExitPowerDown.h"

BEGIN_MESSAGE_MAP(CTarnellApp, CWinApp)
END_MESSAGE_MAP()

CTarnellApp::CTarnellApp()
    : CWinApp(NULL)
{
}

// Objects of one translation unit are constructed in the order they are
// defined and destroyed in the reverse order: theApp first, then
// g_exitPowerDown, so at exit the power-down runs, and may show its box,
// while the application object still exists.
CTarnellApp theApp;
CExitPowerDown g_exitPowerDown;

BOOL CTarnellApp::InitInstance()
{
    AfxEnableControlContainer();

    CTarnellDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // No message loop: the program ends when the dialog does.
    return FALSE;
}
