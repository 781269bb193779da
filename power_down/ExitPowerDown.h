// The exit-time power-down: destroyed as the process exits, it asks the HAL
// to power the terminal down and reports a refusal.
#ifndef EXIT_POWER_DOWN_H
#define EXIT_POWER_DOWN_H

#include "stdafx.h"

#define IOCTL_HAL_POWER_DOWN CTL_CODE(FILE_DEVICE_HAL, 4032, METHOD_BUFFERED, FILE_ANY_ACCESS)

// Velkin's variant: no state; only the request and its failure message.
class CExitPowerDown
{
public:
    ~CExitPowerDown();
};

#endif
