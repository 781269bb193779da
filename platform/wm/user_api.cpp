// The Win32 window functions, on the terminal's window manager.
#include "kernel/system.h"
#include "windows.h"
#include "wm/window_manager.h"

using ce::Window;
using ce::WindowManager;

namespace {
WindowManager& Wm() { return *ce::System::Get().windows; }
Window* Find(HWND h) { return Wm().Find(h); }
}  // namespace

LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    return Wm().Send(hWnd, Msg, wParam, lParam);
}

INT_PTR DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent,
                        DLGPROC lpDialogFunc, LPARAM dwInitParam) {
    if (ce::System::Get().Trip("DialogBoxParamW")) return -1;
    return Wm().RunDialog(hInstance, lpTemplateName, hWndParent, lpDialogFunc, dwInitParam);
}

BOOL EndDialog(HWND hDlg, INT_PTR nResult) { return Wm().EndDialog(hDlg, nResult) ? TRUE : FALSE; }

LRESULT DefDlgProcW(HWND hDlg, UINT Msg, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(hDlg);
    return w ? Wm().DefaultDialogProc(*w, Msg, wParam, lParam) : 0;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    Window* w = Find(hDlg);
    if (!w) return nullptr;
    for (Window* c : w->children)
        if (c->id == nIDDlgItem) return c->handle;
    return nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
    Window* w = Find(hWnd);
    return w && w->parent ? w->id : 0;
}

BOOL SetWindowTextW(HWND hWnd, LPCWSTR lpString) {
    if (!Find(hWnd)) return FALSE;
    return SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(lpString)) ? TRUE : FALSE;
}

int GetWindowTextW(HWND hWnd, LPWSTR lpString, int nMaxCount) {
    if (!Find(hWnd) || nMaxCount <= 0) return 0;
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXT, nMaxCount, reinterpret_cast<LPARAM>(lpString)));
}

int GetWindowTextLengthW(HWND hWnd) {
    return static_cast<int>(SendMessageW(hWnd, WM_GETTEXTLENGTH, 0, 0));
}

HWND SetFocus(HWND hWnd) { return Wm().SetFocus(hWnd); }
HWND GetFocus(void) { return Wm().Focus(); }

HWND GetParent(HWND hWnd) {
    Window* w = Find(hWnd);
    return w && w->parent ? w->parent->handle : nullptr;
}

BOOL IsWindow(HWND hWnd) { return Find(hWnd) ? TRUE : FALSE; }
BOOL DestroyWindow(HWND hWnd) { return Wm().Destroy(hWnd) ? TRUE : FALSE; }

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
    Window* w = Find(hWnd);
    if (!w || !lpRect) return FALSE;
    RECT r = w->pixels;
    for (Window* p = w->parent; p; p = p->parent) {
        r.left += p->pixels.left;
        r.right += p->pixels.left;
        r.top += p->pixels.top;
        r.bottom += p->pixels.top;
    }
    *lpRect = r;
    return TRUE;
}

BOOL SetWindowPos(HWND hWnd, HWND, int X, int Y, int cx, int cy, UINT uFlags) {
    Window* w = Find(hWnd);
    if (!w) return FALSE;
    LONG width = (uFlags & SWP_NOSIZE) ? w->pixels.right - w->pixels.left : cx;
    LONG height = (uFlags & SWP_NOSIZE) ? w->pixels.bottom - w->pixels.top : cy;
    w->pixels = RECT{X, Y, X + width, Y + height};
    ce::System::Get().transcript.Emit(
        ce::trace::Event("move").Num("id", w->id).Num("x", X).Num("y", Y).Num("width", width).Num("height", height));
    return TRUE;
}

int GetSystemMetrics(int nIndex) {
    switch (nIndex) {
        case SM_CXSCREEN: return WindowManager::kScreenWidth;
        case SM_CYSCREEN: return WindowManager::kScreenHeight;
        default: return 0;
    }
}

int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
    return Wm().RunMessageBox(hWnd, lpText ? lpText : u"", lpCaption ? lpCaption : u"Error", uType, uType);
}

LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
    Window* w = Find(hWnd);
    if (!w) return 0;
    LONG_PTR previous = 0;
    if (nIndex == GWLP_WNDPROC) {
        previous = reinterpret_cast<LONG_PTR>(w->windowProc);
        w->windowProc = reinterpret_cast<WNDPROC>(dwNewLong);
    } else if (nIndex == GWLP_USERDATA) {
        previous = w->userData;
        w->userData = dwNewLong;
    }
    return previous;
}

LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex) {
    Window* w = Find(hWnd);
    if (!w) return 0;
    if (nIndex == GWLP_WNDPROC) return reinterpret_cast<LONG_PTR>(w->windowProc);
    if (nIndex == GWLP_USERDATA) return w->userData;
    return 0;
}

LRESULT CallWindowProcW(WNDPROC lpPrevWndFunc, HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
    if (lpPrevWndFunc) return lpPrevWndFunc(hWnd, Msg, wParam, lParam);
    // No earlier procedure: the window's own class handling.
    Window* w = Find(hWnd);
    if (!w) return 0;
    WNDPROC saved = w->windowProc;
    w->windowProc = nullptr;
    LRESULT r = Wm().Send(hWnd, Msg, wParam, lParam);
    if (Find(hWnd)) Find(hWnd)->windowProc = saved;
    return r;
}
