// The framework's start-up and shut-down around the application object.
#include "afxwin.h"
#include "kernel/system.h"

void AfxPurgeTemporaryWindows();

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE, LPTSTR lpCmdLine, int nCmdShow) {
    if (CWinApp* app = AfxGetApp()) {
        app->m_hInstance = hInstance;
        app->m_lpCmdLine = lpCmdLine;
        app->m_nCmdShow = nCmdShow;
        app->SetCurrentHandles();
    }
    // A terminal can be told to fail here, as one short of memory would.
    BOOL ok = ce::System::Get().failFrameworkStartup ? FALSE : TRUE;
    ce::System::Get().transcript.Emit(ce::trace::Event("AfxWinInit").Num("result", ok));
    return ok;
}

void AFXAPI AfxWinTerm() { AfxPurgeTemporaryWindows(); }

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow) {
    int nReturnCode = -1;
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();

    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow)) goto InitFailure;
    if (pApp && !pApp->InitApplication()) goto InitFailure;
    if (!pThread) goto InitFailure;
    if (!pThread->InitInstance()) {
        if (pThread->m_pMainWnd) pThread->m_pMainWnd->DestroyWindow();
        nReturnCode = pThread->ExitInstance();
        goto InitFailure;
    }
    nReturnCode = pThread->Run();

InitFailure:
    AfxWinTerm();
    return nReturnCode;
}

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow) {
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
