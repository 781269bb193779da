// Tarnell's framework header: the framework with its control container
// support, control codes and kernel calls.
#ifndef TARNELL_STDAFX_H
#define TARNELL_STDAFX_H

#include <afxwin.h>
#include <afxdisp.h>
#include <winioctl.h>
#include <pkfuncs.h>

// Tarnell's exit-time power-down owns a port and an auxiliary handle.
#define EXIT_POWER_DOWN_FULL

#endif
