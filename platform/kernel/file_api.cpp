// CreateFileW, DeviceIoControl and CloseHandle on stream drivers.
#include <string>

#include "kernel/device_file.h"
#include "kernel/system.h"
#include "windows.h"

using ce::DeviceFile;
using ce::System;

namespace {

DeviceFile* FindDeviceFile(HANDLE handle) {
    if (!handle || handle == INVALID_HANDLE_VALUE) return nullptr;
    return dynamic_cast<DeviceFile*>(System::Get().handles.Find(handle));
}

std::u16string NameOf(LPCWSTR name) {
    return name ? std::u16string(name) : std::u16string();
}

}  // namespace

HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                   LPSECURITY_ATTRIBUTES, DWORD dwCreationDisposition, DWORD dwFlagsAndAttributes,
                   HANDLE) {
    System& sys = System::Get();
    HANDLE result = INVALID_HANDLE_VALUE;
    std::u16string name = NameOf(lpFileName);
    auto deviceName = ce::DeviceManager::ParseDeviceName(name);
    ce::StreamDriver* driver = deviceName ? sys.devices.Find(*deviceName) : nullptr;
    if (sys.Trip("CreateFileW")) {
        // The driver is never asked: the kernel could not make the handle.
    } else if (!driver) {
        SetLastError(ERROR_FILE_NOT_FOUND);
    } else if (DWORD context = driver->Open(dwDesiredAccess, dwShareMode)) {
        result = sys.handles.Insert(std::make_unique<DeviceFile>(driver, *deviceName, context));
    } else {
        SetLastError(ERROR_GEN_FAILURE);
    }
    sys.transcript.Emit(ce::trace::Event("CreateFileW")
                            .Text("name", name)
                            .Num("access", dwDesiredAccess)
                            .Num("share", dwShareMode)
                            .Num("disposition", dwCreationDisposition)
                            .Num("attributes", dwFlagsAndAttributes)
                            .Handle("handle", result));
    return result;
}

BOOL DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode, LPVOID lpInBuffer, DWORD nInBufferSize,
                     LPVOID lpOutBuffer, DWORD nOutBufferSize, LPDWORD lpBytesReturned,
                     LPOVERLAPPED) {
    System& sys = System::Get();
    DeviceFile* file = FindDeviceFile(hDevice);
    ce::trace::Event event("DeviceIoControl");
    event.Handle("handle", hDevice);
    if (file)
        event.Utf8("device", file->deviceName);
    else
        event.Null("device");
    event.Num("code", dwIoControlCode)
        .Hex("in", lpInBuffer, nInBufferSize)
        .Num("inSize", nInBufferSize)
        .Num("outSize", nOutBufferSize);

    BOOL result = FALSE;
    if (sys.Trip("DeviceIoControl")) {
        // The request never reaches the driver.
    } else if (!file) {
        SetLastError(ERROR_INVALID_HANDLE);
    } else {
        result = file->driver->IOControl(file->openContext, dwIoControlCode,
                                         static_cast<const BYTE*>(lpInBuffer), nInBufferSize,
                                         static_cast<BYTE*>(lpOutBuffer), nOutBufferSize,
                                         lpBytesReturned)
                     ? TRUE
                     : FALSE;
    }
    event.Hex("out", lpOutBuffer, nOutBufferSize)
        .Bool("bytesReturned", lpBytesReturned != nullptr)
        .Num("result", result);
    sys.transcript.Emit(std::move(event));
    return result;
}

BOOL CloseHandle(HANDLE hObject) {
    System& sys = System::Get();
    BOOL result = FALSE;
    if (hObject && hObject != INVALID_HANDLE_VALUE) {
        if (auto object = sys.handles.Remove(hObject)) {
            result = TRUE;
            if (auto* file = dynamic_cast<DeviceFile*>(object.get()))
                file->driver->Close(file->openContext);
        }
    }
    if (!result) SetLastError(ERROR_INVALID_HANDLE);
    // A failure told to happen still releases the handle: the test of the
    // caller's handling must not leak one itself.
    if (sys.Trip("CloseHandle")) result = FALSE;
    sys.transcript.Emit(ce::trace::Event("CloseHandle").Handle("handle", hObject).Num("result", result));
    return result;
}
