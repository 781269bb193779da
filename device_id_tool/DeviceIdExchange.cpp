#include "stdafx.h"
#include "DeviceIdExchange.h"

C_ASSERT(IOCTL_FIO_GET_DEVICE_ID == 0xF0072120);
C_ASSERT(IOCTL_FIO_PUT_DEVICE_ID == 0xF0072124);

// Room for any 64-unit text in a double-byte code page.
#define PUT_BUFFER_BYTES 128

static HANDLE OpenIdentityDriver()
{
    return CreateFileW(_T("FIO1:"), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, NULL);
}

CString ReadDeviceId()
{
    HANDLE hDevice = OpenIdentityDriver();
    if (hDevice == INVALID_HANDLE_VALUE)
        return CString(_T("00"));

    // Cleared first, so bytes a driver leaves unwritten read as zeros.
    BYTE id[DEVICE_ID_BYTES];
    ZeroMemory(id, sizeof(id));
    DWORD dwReturned = 0;
    if (!DeviceIoControl(hDevice, IOCTL_FIO_GET_DEVICE_ID, NULL, 0, id, DEVICE_ID_BYTES,
                         &dwReturned, NULL))
    {
        CloseHandle(hDevice);
        return CString(_T("00"));
    }

    // Decoded through the ANSI code page, so that a double-byte character
    // reads as itself and writing the text back stores the same bytes.
    // Zero bytes decode to U+0000 units: the text covers the whole field.
    CString strId;
    int nUnits = MultiByteToWideChar(CP_ACP, 0, (LPCSTR)id, DEVICE_ID_BYTES,
                                     strId.GetBuffer(DEVICE_ID_BYTES), DEVICE_ID_BYTES);
    strId.ReleaseBuffer(nUnits);
    if (nUnits == 0)
    {
        CloseHandle(hDevice);
        return CString(_T("00"));
    }

    for (int i = 0; i < DEVICE_ID_BYTES; i++)
        NKDbgPrintfW(_T("%c"), id[i]);

    CloseHandle(hDevice);
    return strId;
}

BOOL WriteDeviceId(CString strId)
{
    HANDLE hDevice = OpenIdentityDriver();
    if (hDevice == INVALID_HANDLE_VALUE)
        return FALSE;

    int nLength = strId.GetLength();
    if (nLength > DEVICE_ID_BYTES)
    {
        CloseHandle(hDevice);
        return FALSE;
    }

    char buffer[PUT_BUFFER_BYTES];
    ZeroMemory(buffer, sizeof(buffer));
    int nBytes = 0;
    BOOL bUsedDefault = FALSE;
    if (nLength > 0)
        nBytes = WideCharToMultiByte(CP_ACP, 0, strId, nLength, buffer, PUT_BUFFER_BYTES, NULL,
                                     &bUsedDefault);

    // Only an ID the field holds exactly is sent: cutting it at 64 bytes could
    // split a double-byte character, and a '?' in place of a character the
    // code page lacks would store something the user did not type.
    if ((nLength > 0 && nBytes == 0) || nBytes > DEVICE_ID_BYTES || bUsedDefault)
    {
        CloseHandle(hDevice);
        return FALSE;
    }

    DWORD dwReturned = 0;
    BOOL bResult = DeviceIoControl(hDevice, IOCTL_FIO_PUT_DEVICE_ID, buffer, DEVICE_ID_BYTES,
                                   NULL, 0, &dwReturned, NULL);
    CloseHandle(hDevice);
    return bResult ? TRUE : FALSE;
}
