// The Windows CE kernel and user services that the terminal's programs use.
// Types are the terminal's: 16-bit text units, 32-bit DWORD, LONG and BOOL.
#ifndef CE_WINDOWS_H
#define CE_WINDOWS_H

#include "winresrc.h"

#ifndef RC_INVOKED

#include <stdint.h>
#include <stddef.h>
#include "tchar.h"

#define WINAPI
#define CALLBACK
#define PASCAL
#define CONST const
#ifndef NULL
#define NULL 0
#endif
#define TRUE 1
#define FALSE 0

typedef int BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t UINT;
typedef int32_t INT;
typedef uint32_t ULONG;
typedef char CHAR;
typedef char16_t WCHAR;
typedef WCHAR TCHAR;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef intptr_t LONG_PTR;
typedef uintptr_t ULONG_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BYTE* PBYTE;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef DWORD* PDWORD;
typedef BOOL* LPBOOL;
typedef CHAR* LPSTR;
typedef const CHAR* LPCSTR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef TCHAR* LPTSTR;
typedef const TCHAR* LPCTSTR;

typedef void* HANDLE;
struct HWND__;
typedef HWND__* HWND;
struct HICON__;
typedef HICON__* HICON;
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
struct HRSRC__;
typedef HRSRC__* HRSRC;

typedef struct tagRECT { LONG left, top, right, bottom; } RECT, *LPRECT;
typedef const RECT* LPCRECT;
typedef struct tagPOINT { LONG x, y; } POINT;
typedef struct _SECURITY_ATTRIBUTES SECURITY_ATTRIBUTES, *LPSECURITY_ATTRIBUTES;
typedef struct _OVERLAPPED OVERLAPPED, *LPOVERLAPPED;

#define INVALID_HANDLE_VALUE ((HANDLE)(LONG_PTR)-1)

#include <string.h>
#define ZeroMemory(p, n) memset((p), 0, (n))
#define CopyMemory(d, s, n) memcpy((d), (s), (n))

// A compile-time check, as the SDK spells it.
#define C_ASSERT(e) typedef char __C_ASSERT__[(e) ? 1 : -1]

#define LOWORD(l) ((WORD)((DWORD_PTR_CAST(l)) & 0xffff))
#define HIWORD(l) ((WORD)((DWORD_PTR_CAST(l) >> 16) & 0xffff))
#define DWORD_PTR_CAST(l) ((ULONG_PTR)(l))
#define MAKELONG(a, b) ((LONG)(((WORD)(a)) | ((DWORD)((WORD)(b))) << 16))
#define MAKEWPARAM(l, h) ((WPARAM)(DWORD)MAKELONG(l, h))
#define MAKELPARAM(l, h) ((LPARAM)(DWORD)MAKELONG(l, h))
#define MAKEINTRESOURCE(i) ((LPWSTR)((ULONG_PTR)((WORD)(i))))
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
#define MAKELANGID(p, s) ((WORD)((((WORD)(s)) << 10) | (WORD)(p)))

// Resource types.
#define RT_ICON       MAKEINTRESOURCE(3)
#define RT_DIALOG     MAKEINTRESOURCE(5)
#define RT_STRING     MAKEINTRESOURCE(6)
#define RT_GROUP_ICON MAKEINTRESOURCE(14)
#define RT_VERSION    MAKEINTRESOURCE(16)

// File access, sharing, disposition and attributes.
#define GENERIC_READ          0x80000000u
#define GENERIC_WRITE         0x40000000u
#define FILE_SHARE_READ       0x00000001u
#define FILE_SHARE_WRITE      0x00000002u
#define CREATE_NEW            1
#define CREATE_ALWAYS         2
#define OPEN_EXISTING         3
#define OPEN_ALWAYS           4
#define TRUNCATE_EXISTING     5
#define FILE_ATTRIBUTE_NORMAL 0x00000080u

// Error codes.
#define ERROR_SUCCESS             0
#define ERROR_FILE_NOT_FOUND      2
#define ERROR_INVALID_HANDLE      6
#define ERROR_NOT_ENOUGH_MEMORY   8
#define ERROR_NOT_SUPPORTED       50
#define ERROR_INVALID_PARAMETER   87
#define ERROR_INSUFFICIENT_BUFFER 122
#define ERROR_NO_UNICODE_TRANSLATION 1113
#define ERROR_GEN_FAILURE         31

// Code pages.
#define CP_ACP  0
#define CP_UTF8 65001

// Window messages.
#define WM_NULL         0x0000
#define WM_CREATE       0x0001
#define WM_DESTROY      0x0002
#define WM_SETFOCUS     0x0007
#define WM_KILLFOCUS    0x0008
#define WM_SETTEXT      0x000C
#define WM_GETTEXT      0x000D
#define WM_GETTEXTLENGTH 0x000E
#define WM_CLOSE        0x0010
#define WM_SETICON      0x0080
#define WM_NCDESTROY    0x0082
#define WM_INITDIALOG   0x0110
#define WM_COMMAND      0x0111
#define BM_CLICK        0x00F5
#define EM_LIMITTEXT    0x00C5
#define EM_SETLIMITTEXT EM_LIMITTEXT
#define EM_GETLIMITTEXT 0x00D5
#define BN_CLICKED      0
#define EN_CHANGE       0x0300
#define ICON_SMALL      0
#define ICON_BIG        1

// Message boxes.
#define MB_OK               0x00000000u
#define MB_OKCANCEL         0x00000001u
#define MB_YESNO            0x00000004u
#define MB_TYPEMASK         0x0000000Fu
#define MB_ICONHAND         0x00000010u
#define MB_ICONQUESTION     0x00000020u
#define MB_ICONEXCLAMATION  0x00000030u
#define MB_ICONASTERISK     0x00000040u
#define MB_ICONMASK         0x000000F0u
#define MB_APPLMODAL        0x00000000u
#define MB_TASKMODAL        0x00002000u
#define MB_SETFOREGROUND    0x00010000u

// Show states.
#define SW_HIDE 0
#define SW_SHOW 5
#define SW_SHOWNORMAL 1

typedef INT_PTR (CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);
typedef LRESULT (CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);
#define GWLP_WNDPROC (-4)
#define GWLP_USERDATA (-21)

// Kernel services.
HANDLE CreateFileW(LPCWSTR lpFileName, DWORD dwDesiredAccess, DWORD dwShareMode,
                   LPSECURITY_ATTRIBUTES lpSecurityAttributes, DWORD dwCreationDisposition,
                   DWORD dwFlagsAndAttributes, HANDLE hTemplateFile);
BOOL DeviceIoControl(HANDLE hDevice, DWORD dwIoControlCode, LPVOID lpInBuffer, DWORD nInBufferSize,
                     LPVOID lpOutBuffer, DWORD nOutBufferSize, LPDWORD lpBytesReturned,
                     LPOVERLAPPED lpOverlapped);
BOOL CloseHandle(HANDLE hObject);
void Sleep(DWORD dwMilliseconds);
DWORD GetTickCount(void);
DWORD GetLastError(void);
void SetLastError(DWORD dwErrCode);
int WideCharToMultiByte(UINT CodePage, DWORD dwFlags, LPCWSTR lpWideCharStr, int cchWideChar,
                        LPSTR lpMultiByteStr, int cbMultiByte, LPCSTR lpDefaultChar,
                        LPBOOL lpUsedDefaultChar);
int MultiByteToWideChar(UINT CodePage, DWORD dwFlags, LPCSTR lpMultiByteStr, int cbMultiByte,
                        LPWSTR lpWideCharStr, int cchWideChar);
UINT GetACP(void);
void NKDbgPrintfW(LPCWSTR lpszFmt, ...);

// Modules and resources.
HMODULE GetModuleHandleW(LPCWSTR lpModuleName);
DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize);
HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType);
HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName);
int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax);

// Windows and dialogs.
LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);
INT_PTR DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent,
                        DLGPROC lpDialogFunc, LPARAM dwInitParam);
BOOL EndDialog(HWND hDlg, INT_PTR nResult);
LRESULT DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam);
HWND GetDlgItem(HWND hDlg, int nIDDlgItem);
int GetDlgCtrlID(HWND hWnd);
BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString);
int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount);
int GetWindowTextLengthW(HWND hWnd);
HWND SetFocus(HWND hWnd);
HWND GetFocus(void);
HWND GetParent(HWND hWnd);
BOOL IsWindow(HWND hWnd);
BOOL DestroyWindow(HWND hWnd);
BOOL GetWindowRect(HWND hWnd, LPRECT lpRect);
BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags);
int GetSystemMetrics(int nIndex);
int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType);
LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong);
LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex);
LRESULT CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam);

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1
#define SWP_NOSIZE   0x0001
#define SWP_NOZORDER 0x0004

#endif  // RC_INVOKED
#endif
