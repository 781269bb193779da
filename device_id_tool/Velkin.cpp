#include "stdafx.h"
#include "Velkin.h"
#include "VelkinDlg.h"
#include "ExitPowerDown.h"

BEGIN_MESSAGE_MAP(CVelkinApp, CWinApp)
END_MESSAGE_MAP()

CVelkinApp::CVelkinApp()
    : CWinApp(NULL)
{
}

// Objects of one translation unit are constructed in the order they are
// defined and destroyed in the reverse order: theApp first, then
// g_exitPowerDown, so at exit the power-down runs, and may show its box,
// while the application object still exists.
CVelkinApp theApp;
CExitPowerDown g_exitPowerDown;

BOOL CVelkinApp::InitInstance()
{
    SetRegistryKey(_T("Local AppWizard-Generated Applications"));

    CVelkinDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();

    // No message loop: the program ends when the dialog does.
    return FALSE;
}
