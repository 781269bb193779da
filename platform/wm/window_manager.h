// Windows, focus, modal dialogs and message boxes on the terminal's screen.
// Independent of any front end: it asks the attached front end for the
// user's actions and reports every change to the transcript.
#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "resources/dialog_template.h"
#include "wm/front_end.h"
#include "wm/window.h"

namespace ce {

struct MessageBoxState {
    HWND owner = nullptr;
    std::u16string text;
    std::u16string caption;
    UINT type = 0;
};

// What is in front, innermost last.
struct ModalFrame {
    HWND dialog = nullptr;                 // a modal dialog, or
    std::optional<MessageBoxState> box;    // a message box
};

class WindowManager {
public:
    // The terminal's screen, portrait, and the dialog base units of its
    // 8-point dialog fonts.
    static constexpr int kScreenWidth = 240;
    static constexpr int kScreenHeight = 320;
    static constexpr int kBaseUnitX = 6;
    static constexpr int kBaseUnitY = 13;

    WindowManager();
    ~WindowManager();

    void SetFrontEnd(FrontEnd* frontEnd) { frontEnd_ = frontEnd; }
    FrontEnd* frontEnd() const { return frontEnd_; }

    Window* Find(HWND handle) const;
    const std::vector<ModalFrame>& Modals() const { return modals_; }
    HWND Focus() const { return focus_; }
    size_t WindowCount() const { return windows_.size(); }

    // A modal dialog from a template: created, initialised, run until it
    // ends, destroyed. -1 when the template is missing or malformed.
    INT_PTR RunDialog(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc, LPARAM param);
    // A modal message box; programType is the type the program asked for,
    // shownType the one shown.
    int RunMessageBox(HWND owner, std::u16string text, std::u16string caption, UINT shownType,
                      UINT programType);

    LRESULT Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultDialogProc(Window& w, UINT message, WPARAM wParam, LPARAM lParam);
    HWND SetFocus(HWND handle);
    bool EndDialog(HWND dialog, INT_PTR result);
    bool Destroy(HWND handle);
    void SetText(Window& w, std::u16string text);

    static RECT UnitsToPixels(const RECT& units);

private:
    Window* Create(Window* parent, WindowKind kind);
    HWND CreateDialogWindow(int templateId, const res::DialogTemplate& t, HWND parent, DLGPROC proc);
    Window* Control(const Window& dialog, int id) const;
    // Carries out one action on the dialog in front; the reason it does not fit otherwise.
    std::optional<std::string> Apply(Window& dialog, const UserAction& action);
    void TraceUser(const UserAction& action);
    // The action does not fit the screen: recorded, and the front end told.
    void Reject(const UserAction& action, const std::string& why);
    UserAction NextAction();
    void CancelOpen(Window& dialog);
    // WM_SETTEXT, WM_GETTEXT and WM_GETTEXTLENGTH, the same for every window.
    std::optional<LRESULT> TextMessage(Window& w, UINT message, WPARAM wParam, LPARAM lParam);

    std::map<uintptr_t, std::unique_ptr<Window>> windows_;
    uintptr_t nextHandle_ = 0x1000;
    std::vector<ModalFrame> modals_;
    HWND focus_ = nullptr;
    FrontEnd* frontEnd_ = nullptr;
};

}  // namespace ce
