// Time, errors, code pages, debug output and the HAL call.
#include <cstdarg>

#include "kernel/system.h"
#include "pkfuncs.h"
#include "windows.h"

using ce::System;

void Sleep(DWORD dwMilliseconds) {
    System& sys = System::Get();
    sys.transcript.Emit(ce::trace::Event("Sleep").Num("ms", dwMilliseconds));
    sys.clock.Pass(dwMilliseconds);
}

DWORD GetTickCount(void) { return static_cast<DWORD>(System::Get().clock.Now()); }

DWORD GetLastError(void) { return System::Get().lastError; }

void SetLastError(DWORD dwErrCode) { System::Get().lastError = dwErrCode; }

UINT GetACP(void) { return System::Get().codePages.Ansi(); }

int WideCharToMultiByte(UINT CodePage, DWORD, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        LPBOOL lpUsedDefaultChar) {
    if (System::Get().Trip("WideCharToMultiByte")) return 0;
    return System::Get().codePages.ToMultiByte(CodePage, lpWideCharStr, cchWideChar, lpMultiByteStr,
                                               cbMultiByte, lpDefaultChar, lpUsedDefaultChar);
}

int MultiByteToWideChar(UINT CodePage, DWORD, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar) {
    if (System::Get().Trip("MultiByteToWideChar")) return 0;
    return System::Get().codePages.ToWide(CodePage, lpMultiByteStr, cbMultiByte, lpWideCharStr,
                                          cchWideChar);
}

void NKDbgPrintfW(LPCWSTR lpszFmt, ...) {
    va_list args;
    va_start(args, lpszFmt);
    std::u16string text = ce::FormatDebug(lpszFmt, args);
    va_end(args);
    System& sys = System::Get();
    sys.debug.Write(text);
    sys.transcript.Emit(ce::trace::Event("debug").Text("text", text));
}

BOOL KernelIoControl(DWORD dwIoControlCode, LPVOID lpInBuf, DWORD nInBufSize, LPVOID lpOutBuf,
                     DWORD nOutBufSize, LPDWORD lpBytesReturned) {
    System& sys = System::Get();
    BOOL result = FALSE;
    if (sys.Trip("KernelIoControl")) {
        // The HAL is never asked.
    } else if (sys.hal) {
        result = sys.hal->IoControl(dwIoControlCode, static_cast<const BYTE*>(lpInBuf), nInBufSize,
                                    static_cast<BYTE*>(lpOutBuf), nOutBufSize, lpBytesReturned)
                     ? TRUE
                     : FALSE;
    } else {
        SetLastError(ERROR_NOT_SUPPORTED);
    }
    sys.transcript.Emit(ce::trace::Event("KernelIoControl")
                            .Num("code", dwIoControlCode)
                            .Hex("in", lpInBuf, nInBufSize)
                            .Num("inSize", nInBufSize)
                            .Num("outSize", nOutBufSize)
                            .Num("result", result));
    return result;
}
