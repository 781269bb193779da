// The display backlight level through "BKL1:" and the WLAN module's power
// through "SDH1:".
#ifndef BACKLIGHT_WLAN_H
#define BACKLIGHT_WLAN_H

#include "stdafx.h"

#define IOCTL_BKL_SET_LEVEL   CTL_CODE(0xF000, 2051, METHOD_BUFFERED, FILE_ANY_ACCESS)
#define IOCTL_WLAN_POWER_ON   CTL_CODE(0xF007, 2150, METHOD_BUFFERED, FILE_ANY_ACCESS)
#define IOCTL_WLAN_POWER_OFF  CTL_CODE(0xF007, 2151, METHOD_BUFFERED, FILE_ANY_ACCESS)

// The backlight driver's handle during SetBacklightLevel; NULL at every other time.
extern HANDLE g_hBacklight;

// Hands the level to the driver as it is; no message of its own.
BOOL SetBacklightLevel(DWORD dwLevel);

// Each holds the driver open for 3000 ms after its request and reports a
// driver that cannot be opened itself.
BOOL WlanPowerOn();
BOOL WlanPowerOff();

#endif
