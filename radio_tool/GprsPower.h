// Switching the GPRS modem's power through the modem power driver "GPR1:".
#ifndef GPRS_POWER_H
#define GPRS_POWER_H

#include "stdafx.h"

#define IOCTL_GPRS_POWER_ON  CTL_CODE(0xF007, 2130, METHOD_BUFFERED, FILE_ANY_ACCESS)
#define IOCTL_GPRS_POWER_OFF CTL_CODE(0xF007, 2131, METHOD_BUFFERED, FILE_ANY_ACCESS)

// The driver handle while an operation has it open; NULL at every other time.
extern HANDLE g_hGprs;

// Each shows its own failure messages and, after a successful request,
// waits for the modem (8000 ms on, 2500 ms off) before it returns.
BOOL GprsPowerOn();
BOOL GprsPowerOff();

#endif
