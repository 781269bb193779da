// Control-code construction for DeviceIoControl and KernelIoControl.
#ifndef CE_WINIOCTL_H
#define CE_WINIOCTL_H

// Device type in bits 16-31, required access in 14-15, function in 2-13,
// transfer method in 0-1.
#define CTL_CODE(DeviceType, Function, Method, Access) \
    ((DWORD)(((DWORD)(DeviceType) << 16) | ((DWORD)(Access) << 14) | \
             ((DWORD)(Function) << 2) | (DWORD)(Method)))

#define METHOD_BUFFERED   0
#define METHOD_IN_DIRECT  1
#define METHOD_OUT_DIRECT 2
#define METHOD_NEITHER    3

#define FILE_ANY_ACCESS   0
#define FILE_READ_ACCESS  1
#define FILE_WRITE_ACCESS 2

#define FILE_DEVICE_HAL   0x00000101

#endif
