#include "stdafx.h"
#include "ExitPowerDown.h"

C_ASSERT(IOCTL_HAL_POWER_DOWN == 0x01013F00);

CExitPowerDown::~CExitPowerDown()
{
    DWORD dwInput = 0;
    DWORD dwReturned = 0;
    if (!KernelIoControl(IOCTL_HAL_POWER_DOWN, &dwInput, sizeof(dwInput), NULL, 0, &dwReturned))
        AfxMessageBox(_T("Power Down Fail!!!"), MB_OK, 0);
}
