// The exit-time power-down: destroyed as the process exits, it asks the HAL
// to power the terminal down and reports a refusal.
//
// Two variants. A program whose framework header defines
// EXIT_POWER_DOWN_FULL gets the one that owns a port and an auxiliary handle
// and closes both before the request; every other program gets the reduced
// one, which only makes the request.
#ifndef EXIT_POWER_DOWN_H
#define EXIT_POWER_DOWN_H

#include "stdafx.h"

#define IOCTL_HAL_POWER_DOWN CTL_CODE(FILE_DEVICE_HAL, 4032, METHOD_BUFFERED, FILE_ANY_ACCESS)

#ifdef EXIT_POWER_DOWN_FULL

class CExitPowerDown
{
public:
    CExitPowerDown();
    virtual ~CExitPowerDown();

private:
    void PowerDown();

    HANDLE m_hPort;   // INVALID_HANDLE_VALUE while not open
    HANDLE m_hAux;
};

#else

class CExitPowerDown
{
public:
    ~CExitPowerDown();
};

#endif

#endif
