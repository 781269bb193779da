// Reading and writing the terminal's device ID through the identity driver.
#ifndef VELKIN_DEVICE_ID_EXCHANGE_H
#define VELKIN_DEVICE_ID_EXCHANGE_H

#include "stdafx.h"

// The identity driver holds the device ID as a fixed field of 64 bytes in
// the terminal's ANSI code page, zero-filled after its last character.
#define DEVICE_ID_BYTES 64

#define IOCTL_FIO_GET_DEVICE_ID CTL_CODE(0xF007, 2120, METHOD_BUFFERED, FILE_ANY_ACCESS)
#define IOCTL_FIO_PUT_DEVICE_ID CTL_CODE(0xF007, 2121, METHOD_BUFFERED, FILE_ANY_ACCESS)

// The ID decoded from all 64 bytes, zero units included; "00" when the
// driver can't be read.
CString ReadDeviceId();

// TRUE only when the driver took the ID. A text over 64 units, one whose
// encoding needs more than 64 bytes, or one with a character the code page
// lacks is refused without a request.
BOOL WriteDeviceId(CString strId);

#endif
