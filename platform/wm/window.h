// A window as the window manager keeps it: dialogs built from templates and
// the controls inside them.
#pragma once
#include <string>
#include <vector>

#include "windows.h"

namespace ce {

enum class WindowKind { Dialog, Button, Edit, Static, Other };

struct Window {
    HWND handle = nullptr;
    WindowKind kind = WindowKind::Other;
    std::u16string className;
    DWORD style = 0;
    DWORD exStyle = 0;
    int id = 0;                  // control id; the template id for a dialog
    RECT units{};                // dialog units, as the template gives them
    RECT pixels{};               // screen pixels for a dialog, client pixels for a control
    std::u16string text;
    Window* parent = nullptr;
    std::vector<Window*> children;  // in template order, which is the tab order

    DLGPROC dialogProc = nullptr;
    WNDPROC windowProc = nullptr;   // a subclass procedure, when one is installed
    LONG_PTR userData = 0;
    HICON icons[2] = {nullptr, nullptr};  // ICON_SMALL, ICON_BIG
    bool ended = false;
    INT_PTR result = 0;

    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    bool Enabled() const { return (style & WS_DISABLED) == 0; }
    bool TabStop() const { return (style & WS_TABSTOP) != 0 && Visible() && Enabled(); }
};

}  // namespace ce
