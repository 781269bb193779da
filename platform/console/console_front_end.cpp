#include "console/console_front_end.h"

#include <chrono>
#include <thread>

#include "console/cell_layout.h"
#include "console/message_box_layout.h"
#include "console/text_cells.h"
#include "kernel/system.h"
#include "wm/window_manager.h"

namespace ce::console {

namespace {

const char16_t kKeys[] =
    u"Tab, Shift-Tab: next, previous control. Space or Enter: press the button. Enter: OK. Esc: Cancel. "
    u"The mouse works too. Ctrl-C stops the program.";

UserAction Action(UserAction::Kind kind, int id = 0) {
    UserAction a;
    a.kind = kind;
    a.id = id;
    return a;
}

int64_t SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

ConsoleFrontEnd::ConsoleFrontEnd(Display& display, HardwareSource hardware, std::function<void()> onEnd)
    : display_(display), hardware_(std::move(hardware)), onEnd_(std::move(onEnd)) {}

FrameState ConsoleFrontEnd::Frame() const {
    FrameState f;
    if (hardware_) f.hardware = hardware_();
    f.debugOutput = System::Get().debug.All();
    f.status = status_;
    f.keys = kKeys;
    return f;
}

void ConsoleFrontEnd::SyncEdits(const WindowManager& screen) {
    for (auto it = edits_.begin(); it != edits_.end();)
        it = screen.Find(it->first) ? std::next(it) : edits_.erase(it);
    for (const auto& frame : screen.Modals()) {
        const Window* dialog = screen.Find(frame.dialog);
        if (!dialog) continue;
        for (const Window* c : dialog->children) {
            if (c->kind != WindowKind::Edit) continue;
            auto it = edits_.find(c->handle);
            if (it == edits_.end())
                it = edits_.emplace(c->handle, EditField(LayOutControl(*c).w, (c->style & ES_AUTOHSCROLL) != 0, c->textLimit)).first;
            it->second.SetLimit(c->textLimit);
            if (ToUtf16(it->second.text()) != c->text) it->second.Reset(ToCodePoints(c->text));
        }
    }
}

void ConsoleFrontEnd::Paint(const WindowManager& screen) {
    Canvas canvas = CanvasFor(display_.Size());
    PaintFrame(canvas, Frame());
    lastCaret_ = PaintWindows(canvas, screen, edits_);
    last_ = canvas;
    display_.Show(canvas, lastCaret_);
}

void ConsoleFrontEnd::ShowBusy(int64_t elapsedMs, int64_t totalMs) {
    Canvas canvas = CanvasFor(display_.Size());
    FrameState f = Frame();
    f.busy = BusyState{elapsedMs, totalMs};
    PaintFrame(canvas, f);
    // The screen keeps what it showed when the program went busy: nothing repaints.
    CellRect screen = ScreenArea();
    for (int y = screen.y; y < screen.Bottom() && y < last_.height(); ++y)
        for (int x = screen.x; x < screen.Right() && x < last_.width(); ++x) {
            const Cell& cell = last_.At(x, y);
            if (!cell.wideTail) canvas.Put(x, y, std::u32string(1, cell.ch), cell.style, 2);
        }
    display_.Show(canvas, std::nullopt);
}

void ConsoleFrontEnd::Wait(uint32_t ms) {
    int64_t start = SteadyMs(), end = start + ms;
    int dropped = 0;
    while (true) {
        int64_t now = SteadyMs();
        ShowBusy(now - start, ms);
        if (now >= end) break;
        Input in = display_.Read(static_cast<int>(std::min<int64_t>(end - now, 100)));
        if (in.kind == Input::Kind::End) {
            std::this_thread::sleep_for(std::chrono::milliseconds(end - now));
            break;
        }
        if (in.kind != Input::Kind::Timeout && in.kind != Input::Kind::Resize) {
            dropped += 1 + display_.Drain();
            status_ = u"The program is busy: " + ToUtf16(FromUtf8(std::to_string(dropped))) +
                      (dropped == 1 ? u" input" : u" inputs") + u" dropped, as the terminal would.";
        }
    }
}

void ConsoleFrontEnd::Suspend() {
    status_ = u"The terminal is suspended: press a key to wake it.";
    while (true) {
        Canvas canvas = CanvasFor(display_.Size());
        PaintFrame(canvas, Frame());
        PaintSuspended(canvas);
        display_.Show(canvas, std::nullopt);
        Input in = display_.Read(-1);
        if (in.kind == Input::Kind::Resize || in.kind == Input::Kind::Timeout) continue;
        break;
    }
    status_.clear();
}

void ConsoleFrontEnd::ProgramEnded() {
    if (onEnd_) onEnd_();
}

void ConsoleFrontEnd::Rejected(const UserAction& action, const std::string& why) {
    status_ = u"Not taken: " + ToUtf16(FromUtf8(why));
}

std::optional<UserAction> ConsoleFrontEnd::NextFocus(const Window& dialog, HWND focus, int step) {
    std::vector<const Window*> stops;
    for (const Window* c : dialog.children)
        if (c->TabStop()) stops.push_back(c);
    if (stops.empty()) return std::nullopt;
    int n = static_cast<int>(stops.size()), at = -1;
    for (int i = 0; i < n; ++i)
        if (stops[i]->handle == focus) at = i;
    int next = at < 0 ? (step > 0 ? 0 : n - 1) : ((at + step) % n + n) % n;
    return Action(UserAction::Kind::Focus, stops[next]->id);
}

std::optional<UserAction> ConsoleFrontEnd::OnBoxInput(const MessageBoxState& box, const Input& in) {
    if (in.kind == Input::Kind::Key && (in.key == kKeyEnter || in.key == kKeySpace || in.key == kKeyEscape))
        return Action(UserAction::Kind::Dismiss);
    // Only the box's OK button takes a click: the windows behind it take nothing.
    if (in.kind == Input::Kind::Click) {
        MessageBoxCells m = LayOutMessageBox(box.text, box.caption, box.type, kScreenColumns, kScreenRows);
        if (m.okButton.Contains(in.x - ScreenArea().x, in.y - ScreenArea().y)) return Action(UserAction::Kind::Dismiss);
    }
    return std::nullopt;
}

std::optional<UserAction> ConsoleFrontEnd::OnDialogInput(const WindowManager& screen, const Window& dialog,
                                                         const Input& in) {
    const Window* focused = screen.Find(screen.Focus());
    if (focused && focused->parent != &dialog) focused = nullptr;
    EditField* edit = nullptr;
    if (focused && focused->kind == WindowKind::Edit) {
        auto it = edits_.find(focused->handle);
        if (it != edits_.end()) edit = &it->second;
    }
    // The edit box's new text, as the user has made it.
    auto changed = [&] {
        UserAction a = Action(UserAction::Kind::SetText, focused->id);
        a.text = ToUtf16(edit->text());
        return a;
    };
    bool onButton = focused && focused->kind == WindowKind::Button;

    if (in.kind == Input::Kind::Text) {
        if (edit && edit->Insert(in.text)) return changed();
        return std::nullopt;
    }
    if (in.kind == Input::Kind::Click) {
        DialogCells d = LayOutDialog(dialog);
        int sx = in.x - ScreenArea().x, sy = in.y - ScreenArea().y;
        if (d.okButton && d.okButton->Contains(sx, sy)) return Action(UserAction::Kind::Ok);
        if (d.closeButton && d.closeButton->Contains(sx, sy)) return Action(UserAction::Kind::Cancel);
        for (const Window* c : dialog.children) {
            if (!c->Visible() || !c->Enabled()) continue;
            CellRect r = LayOutControl(*c);
            r.x += d.client.x;
            r.y += d.client.y;
            if (!r.Contains(sx, sy)) continue;
            if (c->kind == WindowKind::Button) return Action(UserAction::Kind::Click, c->id);
            if (c->kind == WindowKind::Edit) {
                auto it = edits_.find(c->handle);
                if (it != edits_.end()) it->second.ClickAt(sx - r.x);
                if (c->handle != screen.Focus()) return Action(UserAction::Kind::Focus, c->id);
            }
            return std::nullopt;
        }
        return std::nullopt;
    }
    if (in.kind != Input::Kind::Key) return std::nullopt;
    switch (in.key) {
        case kKeyTab: return NextFocus(dialog, screen.Focus(), 1);
        case kKeyBackTab: return NextFocus(dialog, screen.Focus(), -1);
        case kKeyEscape: return Action(UserAction::Kind::Cancel);
        case kKeyEnter:
            if (onButton) return Action(UserAction::Kind::Click, focused->id);
            return Action(UserAction::Kind::Ok);
        case kKeySpace:
            if (onButton) return Action(UserAction::Kind::Click, focused->id);
            if (edit && edit->Insert(U" ")) return changed();
            return std::nullopt;
        case kKeyBackspace:
            if (edit && edit->Backspace()) return changed();
            return std::nullopt;
        case kKeyDelete:
            if (edit && edit->Delete()) return changed();
            return std::nullopt;
        case kKeyHome: if (edit) edit->Home(); return std::nullopt;
        case kKeyEnd: if (edit) edit->End(); return std::nullopt;
        case kKeyLeft:
            if (edit) edit->Left();
            else if (onButton) return NextFocus(dialog, screen.Focus(), -1);
            return std::nullopt;
        case kKeyRight:
            if (edit) edit->Right();
            else if (onButton) return NextFocus(dialog, screen.Focus(), 1);
            return std::nullopt;
        // Arrows move between the buttons, as in a dialog's group of buttons.
        case kKeyUp: return onButton ? NextFocus(dialog, screen.Focus(), -1) : std::nullopt;
        case kKeyDown: return onButton ? NextFocus(dialog, screen.Focus(), 1) : std::nullopt;
        default: return std::nullopt;
    }
}

UserAction ConsoleFrontEnd::NextAction(const WindowManager& screen) {
    while (true) {
        SyncEdits(screen);
        Paint(screen);
        Input in = display_.Read(-1);
        if (in.kind == Input::Kind::End) return UserAction{};
        if (in.kind == Input::Kind::Resize || in.kind == Input::Kind::Timeout) continue;
        if (screen.Modals().empty()) return UserAction{};
        status_.clear();
        const ModalFrame& front = screen.Modals().back();
        std::optional<UserAction> action;
        if (front.box)
            action = OnBoxInput(*front.box, in);
        else if (const Window* dialog = screen.Find(front.dialog)) {
            action = OnDialogInput(screen, *dialog, in);
        }
        if (action) return *action;
    }
}

}  // namespace ce::console
