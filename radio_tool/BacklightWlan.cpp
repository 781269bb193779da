#include "stdafx.h"
#include "BacklightWlan.h"

C_ASSERT(IOCTL_BKL_SET_LEVEL == 0xF000200C);
C_ASSERT(IOCTL_WLAN_POWER_ON == 0xF0072198);
C_ASSERT(IOCTL_WLAN_POWER_OFF == 0xF007219C);

HANDLE g_hBacklight = NULL;

BOOL SetBacklightLevel(DWORD dwLevel)
{
    // A driver that cannot be opened fails the request; no test needed here.
    g_hBacklight = CreateFileW(_T("BKL1:"), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               NULL, OPEN_EXISTING, 0, NULL);

    // The level travels as its 4 bytes; nothing comes back.
    BOOL bResult = DeviceIoControl(g_hBacklight, IOCTL_BKL_SET_LEVEL, &dwLevel, sizeof(dwLevel), NULL, 0, NULL, NULL);

    CloseHandle(g_hBacklight);
    g_hBacklight = NULL;
    return bResult;
}

static BOOL SwitchWlan(DWORD dwIoControlCode)
{
    HANDLE hWlan = CreateFileW(_T("SDH1:"), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, NULL);
    if (hWlan == INVALID_HANDLE_VALUE)
    {
        AfxMessageBox(_T("ERROR: WLAN CreateFile Fail!"), MB_ICONEXCLAMATION, 0);
        return FALSE;
    }

    // A refused request is reported to the caller, not passed off as done.
    BOOL bResult = DeviceIoControl(hWlan, dwIoControlCode, NULL, 0, NULL, 0, NULL, NULL);

    // The module takes its time to switch; the driver stays open meanwhile.
    Sleep(3000);
    CloseHandle(hWlan);
    return bResult;
}

BOOL WlanPowerOn()
{
    return SwitchWlan(IOCTL_WLAN_POWER_ON);
}

BOOL WlanPowerOff()
{
    return SwitchWlan(IOCTL_WLAN_POWER_OFF);
}
