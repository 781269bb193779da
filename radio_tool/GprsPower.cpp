#include "stdafx.h"
#include "GprsPower.h"

C_ASSERT(IOCTL_GPRS_POWER_ON == 0xF0072148);
C_ASSERT(IOCTL_GPRS_POWER_OFF == 0xF007214C);

HANDLE g_hGprs = NULL;

static void CloseGprs()
{
    if (g_hGprs != NULL)
    {
        CloseHandle(g_hGprs);
        g_hGprs = NULL;
    }
}

// Opens the driver, makes one request and closes it again. A driver that
// cannot be opened leaves a null handle, which the request then fails on.
// lpszOpenFailed is shown first when the open fails, if there is one.
static BOOL SwitchGprs(DWORD dwIoControlCode, LPCTSTR lpszOpenFailed, LPCTSTR lpszFailed, DWORD dwSettleTime)
{
    HANDLE hGprs = CreateFileW(_T("GPR1:"), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               NULL, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, NULL);
    g_hGprs = hGprs;
    if (hGprs == INVALID_HANDLE_VALUE)
    {
        if (lpszOpenFailed != NULL)
            AfxMessageBox(lpszOpenFailed, MB_ICONEXCLAMATION, 0);
        g_hGprs = NULL;
        hGprs = NULL;
    }

    DWORD dwReturned = 0;
    if (!DeviceIoControl(hGprs, dwIoControlCode, NULL, 0, NULL, 0, &dwReturned, NULL))
    {
        AfxMessageBox(lpszFailed, MB_OK, 0);
        CloseGprs();
        return FALSE;
    }

    CloseGprs();
    Sleep(dwSettleTime);
    return TRUE;
}

BOOL GprsPowerOn()
{
    return SwitchGprs(IOCTL_GPRS_POWER_ON, _T("GPRS ON Failed: CreateFile Failed!"), _T("GPRS ON Failed!!!"), 8000);
}

BOOL GprsPowerOff()
{
    return SwitchGprs(IOCTL_GPRS_POWER_OFF, NULL, _T("GPRS OFF Failed!!!"), 2500);
}
