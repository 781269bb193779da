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
    // An edit box's limit on what the user may enter, in UTF-16 units: the
    // terminal's edit control starts with 30,000; EM_LIMITTEXT changes it.
    static constexpr size_t kDefaultTextLimit = 30000;
    static constexpr size_t kLargestTextLimit = 0x7FFFFFFE;  // EM_LIMITTEXT 0
    size_t textLimit = kDefaultTextLimit;
    bool ended = false;
    INT_PTR result = 0;

    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    bool Enabled() const { return (style & WS_DISABLED) == 0; }
    // What the user's typing leaves of `text` under the limit: the first
    // textLimit units, never half a surrogate pair.
    std::u16string WithinLimit(std::u16string text) const {
        if (text.size() <= textLimit) return text;
        size_t keep = textLimit;
        if (keep > 0 && text[keep - 1] >= 0xD800 && text[keep - 1] <= 0xDBFF) --keep;
        text.resize(keep);
        return text;
    }
    bool TabStop() const { return (style & WS_TABSTOP) != 0 && Visible() && Enabled(); }
};

}  // namespace ce
