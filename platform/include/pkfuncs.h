// Kernel calls that reach the OEM adaptation layer (the HAL).
#ifndef CE_PKFUNCS_H
#define CE_PKFUNCS_H
#include "windows.h"

BOOL KernelIoControl(DWORD dwIoControlCode, LPVOID lpInBuf, DWORD nInBufSize,
                     LPVOID lpOutBuf, DWORD nOutBufSize, LPDWORD lpBytesReturned);

#endif
