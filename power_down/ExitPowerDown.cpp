#include "stdafx.h"
#include "ExitPowerDown.h"

C_ASSERT(IOCTL_HAL_POWER_DOWN == 0x01013F00);

// The request itself: one zero DWORD in, nothing out, no retry.
static void RequestPowerDown()
{
    DWORD dwInput = 0;
    DWORD dwReturned = 0;
    if (!KernelIoControl(IOCTL_HAL_POWER_DOWN, &dwInput, sizeof(dwInput), NULL, 0, &dwReturned))
        AfxMessageBox(_T("Power Down Fail!!!"), MB_OK, 0);
}

#ifdef EXIT_POWER_DOWN_FULL

CExitPowerDown::CExitPowerDown()
    : m_hPort(INVALID_HANDLE_VALUE), m_hAux(NULL)
{
}

CExitPowerDown::~CExitPowerDown()
{
    PowerDown();
}

void CExitPowerDown::PowerDown()
{
    // Nothing opens either handle, so both closes fail; the request goes out regardless.
    CloseHandle(m_hAux);
    CloseHandle(m_hPort);
    m_hPort = INVALID_HANDLE_VALUE;

    RequestPowerDown();
}

#else

CExitPowerDown::~CExitPowerDown()
{
    RequestPowerDown();
}

#endif
