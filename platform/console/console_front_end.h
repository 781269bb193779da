// The interactive front end: the program's windows on the user's text
// terminal, inside a drawing of the handheld, with the simulated hardware
// beside it. Keys and clicks become the user's actions; while the program
// waits, the case shows a busy bar and input is dropped.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "console/canvas.h"
#include "console/display.h"
#include "console/edit_field.h"
#include "console/terminal_view.h"
#include "wm/front_end.h"
#include "wm/window_manager.h"

namespace ce::console {

class ConsoleFrontEnd : public FrontEnd {
public:
    using HardwareSource = std::function<std::vector<PanelRow>()>;
    // `onEnd` gives the terminal back when the program has ended.
    ConsoleFrontEnd(Display& display, HardwareSource hardware, std::function<void()> onEnd = {});

    UserAction NextAction(const WindowManager& screen) override;
    void Rejected(const UserAction& action, const std::string& why) override;
    void LeftOpen(const std::string& what) override {}
    void ProgramEnded() override;
    bool Failed() const override { return false; }

    // Lets ms of real time pass while the program waits, showing how far.
    void Wait(uint32_t ms);
    // The terminal is suspended: a dark screen until a key wakes it.
    void Suspend();

private:
    // Keeps an edit field for each edit box of the dialog in front, following
    // text the program sets.
    void SyncEdits(const WindowManager& screen);
    FrameState Frame() const;
    void Paint(const WindowManager& screen);
    void ShowBusy(int64_t elapsedMs, int64_t totalMs);

    std::optional<UserAction> OnDialogInput(const WindowManager& screen, const Window& dialog, const Input& in);
    std::optional<UserAction> OnBoxInput(const MessageBoxState& box, const Input& in);
    std::optional<UserAction> NextFocus(const Window& dialog, HWND focus, int step);

    Display& display_;
    HardwareSource hardware_;
    std::function<void()> onEnd_;
    std::map<HWND, EditField> edits_;
    std::u16string status_;
    Canvas last_{kMinimumColumns, kMinimumRows};
    std::optional<std::pair<int, int>> lastCaret_;
};

}  // namespace ce::console
