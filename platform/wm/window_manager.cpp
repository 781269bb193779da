#include "wm/window_manager.h"

#include <algorithm>

#include "kernel/system.h"
#include "resources/module.h"
#include "text/utf.h"

namespace ce {

const char* UserAction::Name(Kind kind) {
    switch (kind) {
        case Kind::SetText: return "set-text";
        case Kind::Click: return "click";
        case Kind::Focus: return "focus";
        case Kind::Ok: return "ok";
        case Kind::Cancel: return "cancel";
        case Kind::Dismiss: return "dismiss";
        case Kind::Wait: return "wait";
        case Kind::EndOfInput: return "end";
    }
    return "?";
}

namespace {

trace::Transcript& Transcript() { return System::Get().transcript; }

WindowKind KindOf(const std::u16string& className) {
    std::u16string upper;
    for (char16_t c : className) upper += (c >= u'a' && c <= u'z') ? c - 32 : c;
    if (upper == u"BUTTON") return WindowKind::Button;
    if (upper == u"EDIT") return WindowKind::Edit;
    if (upper == u"STATIC") return WindowKind::Static;
    return WindowKind::Other;
}

std::string Describe(const Window& dialog) {
    return "dialog " + std::to_string(dialog.id) + " \"" + text::ToUtf8(dialog.text) + "\"";
}

// The id a control reports: 0xFFFF in a template is "no id" (-1).
int ControlId(uint16_t id) { return id == 0xFFFF ? -1 : id; }

}  // namespace

WindowManager::WindowManager() = default;
WindowManager::~WindowManager() = default;

Window* WindowManager::Find(HWND handle) const {
    auto it = windows_.find(reinterpret_cast<uintptr_t>(handle));
    return it == windows_.end() ? nullptr : it->second.get();
}

Window* WindowManager::Create(Window* parent, WindowKind kind) {
    auto w = std::make_unique<Window>();
    w->handle = reinterpret_cast<HWND>(nextHandle_);
    nextHandle_ += 4;
    w->kind = kind;
    w->parent = parent;
    Window* raw = w.get();
    windows_.emplace(reinterpret_cast<uintptr_t>(raw->handle), std::move(w));
    if (parent) parent->children.push_back(raw);
    return raw;
}

RECT WindowManager::UnitsToPixels(const RECT& u) {
    auto px = [](LONG v, int base, int div) { return static_cast<LONG>(v * base / div); };
    return RECT{px(u.left, kBaseUnitX, 4), px(u.top, kBaseUnitY, 8), px(u.right, kBaseUnitX, 4),
                px(u.bottom, kBaseUnitY, 8)};
}

HWND WindowManager::CreateDialogWindow(int templateId, const res::DialogTemplate& t, HWND parent,
                                       DLGPROC proc) {
    Window* dialog = Create(nullptr, WindowKind::Dialog);
    dialog->className = u"Dialog";
    dialog->style = t.style;
    dialog->exStyle = t.exStyle;
    dialog->id = templateId;
    dialog->units = RECT{t.x, t.y, t.x + t.cx, t.y + t.cy};
    dialog->pixels = UnitsToPixels(dialog->units);
    dialog->text = t.caption;
    dialog->dialogProc = proc;
    (void)parent;  // modal dialogs here are top-level; the owner is disabled while it runs
    for (const auto& item : t.items) {
        std::u16string cls = item.ClassName();
        Window* c = Create(dialog, KindOf(cls));
        c->className = cls;
        c->style = item.style;
        c->exStyle = item.exStyle;
        c->id = ControlId(item.id);
        c->units = RECT{item.x, item.y, item.x + item.cx, item.y + item.cy};
        c->pixels = UnitsToPixels(c->units);
        if (!item.text.isOrdinal) c->text = item.text.name;
    }
    return dialog->handle;
}

INT_PTR WindowManager::RunDialog(HINSTANCE instance, LPCWSTR templateName, HWND parent, DLGPROC proc,
                                 LPARAM param) {
    res::Module& module = res::Module::Current();
    if (instance != module.Instance()) return -1;
    res::ResId name = res::ResId::From(templateName);
    const res::ResourceEntry* entry = module.Find(res::ResId::Ordinal(5), name);
    auto tmpl = entry ? res::ParseDialogTemplate(entry->data) : std::nullopt;
    if (!tmpl) return -1;

    HWND hDlg = CreateDialogWindow(name.isOrdinal ? name.ordinal : 0, *tmpl, parent, proc);
    modals_.push_back(ModalFrame{hDlg, std::nullopt});
    Window* dialog = Find(hDlg);
    bool defaultFocus = Send(hDlg, WM_INITDIALOG, 0, param) != 0;
    // A visible dialog appears once WM_INITDIALOG has placed it.
    const RECT& r = dialog->pixels;
    Transcript().Emit(trace::Event("dialog")
                          .Num("id", dialog->id)
                          .Text("caption", dialog->text)
                          .Num("x", r.left)
                          .Num("y", r.top)
                          .Num("width", r.right - r.left)
                          .Num("height", r.bottom - r.top));
    if (defaultFocus) {
        for (Window* c : dialog->children)
            if (c->TabStop()) {
                SetFocus(c->handle);
                break;
            }
    }
    while (!dialog->ended) {
        UserAction action = NextAction();
        if (action.kind == UserAction::Kind::EndOfInput) {
            CancelOpen(*dialog);
            break;
        }
        if (auto why = Apply(*dialog, action)) Reject(action, *why);
    }
    INT_PTR result = dialog->result;
    modals_.pop_back();
    Destroy(hDlg);
    return result;
}

void WindowManager::CancelOpen(Window& dialog) {
    std::string what = Describe(dialog);
    Transcript().Emit(trace::Event("leftOpen").Utf8("what", what));
    if (frontEnd_) frontEnd_->LeftOpen(what);
    Send(dialog.handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    if (!dialog.ended) EndDialog(dialog.handle, IDCANCEL);  // never wait for input that cannot come
}

void WindowManager::Reject(const UserAction& action, const std::string& why) {
    Transcript().Emit(trace::Event("scriptError").Num("line", action.line).Utf8("error", why));
    if (frontEnd_) frontEnd_->Rejected(action, why);
}

UserAction WindowManager::NextAction() {
    if (!frontEnd_) return UserAction{};
    return frontEnd_->NextAction(*this);
}

void WindowManager::TraceUser(const UserAction& a) {
    trace::Event e("user");
    e.Utf8("action", UserAction::Name(a.kind));
    switch (a.kind) {
        case UserAction::Kind::SetText: e.Num("id", a.id).Text("text", a.text); break;
        case UserAction::Kind::Click:
        case UserAction::Kind::Focus: e.Num("id", a.id); break;
        case UserAction::Kind::Wait: e.Num("ms", a.ms); break;
        default: break;
    }
    if (a.line) e.Num("line", a.line);
    Transcript().Emit(std::move(e));
}

Window* WindowManager::Control(const Window& dialog, int id) const {
    for (Window* c : dialog.children)
        if (c->id == id) return c;
    return nullptr;
}

std::optional<std::string> WindowManager::Apply(Window& dialog, const UserAction& a) {
    using K = UserAction::Kind;
    Window* control = nullptr;
    if (a.kind == K::SetText || a.kind == K::Click || a.kind == K::Focus) {
        control = Control(dialog, a.id);
        if (!control) return Describe(dialog) + " has no control " + std::to_string(a.id);
        if (!control->Visible() || !control->Enabled())
            return "control " + std::to_string(a.id) + " is hidden or disabled";
        if (a.kind == K::SetText && control->kind != WindowKind::Edit)
            return "control " + std::to_string(a.id) + " is not an edit box";
        if (a.kind == K::SetText && a.text.find(u'\0') != std::u16string::npos)
            return "an edit box takes no U+0000: a user cannot type one";
        if (a.kind == K::Click && control->kind != WindowKind::Button)
            return "control " + std::to_string(a.id) + " is not a button";
        if (a.kind == K::Focus && !control->TabStop())
            return "control " + std::to_string(a.id) + " takes no focus";
    }
    if (a.kind == K::Dismiss) return "no message box is open";

    TraceUser(a);
    switch (a.kind) {
        case K::SetText:
            // The user's typing: what is past the box's limit is not taken.
            SetFocus(control->handle);
            SetText(*control, control->WithinLimit(a.text));
            Send(dialog.handle, WM_COMMAND, MAKEWPARAM(control->id, EN_CHANGE),
                 reinterpret_cast<LPARAM>(control->handle));
            break;
        case K::Click:
            SetFocus(control->handle);
            Send(control->handle, BM_CLICK, 0, 0);
            break;
        case K::Focus: SetFocus(control->handle); break;
        case K::Ok: Send(dialog.handle, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); break;
        case K::Cancel: Send(dialog.handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); break;
        case K::Wait: System::Get().clock.Pass(a.ms); break;
        default: break;
    }
    return std::nullopt;
}

int WindowManager::RunMessageBox(HWND owner, std::u16string text, std::u16string caption,
                                 UINT shownType, UINT programType) {
    Transcript().Emit(trace::Event("messageBox")
                          .Text("text", text)
                          .Text("caption", caption)
                          .Num("type", programType)
                          .Num("shownType", shownType));
    modals_.push_back(ModalFrame{nullptr, MessageBoxState{owner, std::move(text), std::move(caption), shownType}});
    while (true) {
        UserAction action = NextAction();
        if (action.kind == UserAction::Kind::Dismiss) {
            TraceUser(action);
            break;
        }
        if (action.kind == UserAction::Kind::Wait) {
            TraceUser(action);
            System::Get().clock.Pass(action.ms);
            continue;
        }
        if (action.kind == UserAction::Kind::EndOfInput) {
            std::string what = "message box \"" + text::ToUtf8(modals_.back().box->text) + "\"";
            Transcript().Emit(trace::Event("leftOpen").Utf8("what", what));
            if (frontEnd_) frontEnd_->LeftOpen(what);
            break;
        }
        Reject(action, std::string("a message box is in front; ") + UserAction::Name(action.kind) +
                           " does not reach the dialog until it is dismissed");
    }
    modals_.pop_back();
    Transcript().Emit(trace::Event("dismiss"));
    return IDOK;
}

LRESULT WindowManager::Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* w = Find(handle);
    if (!w) return 0;
    if (w->windowProc) return w->windowProc(handle, message, wParam, lParam);
    if (w->kind == WindowKind::Dialog) return DefaultDialogProc(*w, message, wParam, lParam);

    // The predefined controls.
    if (auto result = TextMessage(*w, message, wParam, lParam)) return *result;
    switch (message) {
        case EM_LIMITTEXT:
            if (w->kind == WindowKind::Edit) w->textLimit = wParam ? static_cast<size_t>(wParam) : Window::kLargestTextLimit;
            return 0;
        case EM_GETLIMITTEXT: return w->kind == WindowKind::Edit ? static_cast<LRESULT>(w->textLimit) : 0;
        case BM_CLICK:
            if (w->kind == WindowKind::Button && w->parent)
                Send(w->parent->handle, WM_COMMAND, MAKEWPARAM(w->id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(handle));
            return 0;
        default: return 0;
    }
}

LRESULT WindowManager::DefaultDialogProc(Window& w, UINT message, WPARAM wParam, LPARAM lParam) {
    if (w.dialogProc && message != WM_INITDIALOG) {
        if (w.dialogProc(w.handle, message, wParam, lParam)) return TRUE;
    } else if (w.dialogProc && message == WM_INITDIALOG) {
        return w.dialogProc(w.handle, message, wParam, lParam);
    }
    if (auto result = TextMessage(w, message, wParam, lParam)) return *result;
    switch (message) {
        case WM_SETICON: {
            int which = wParam == ICON_BIG ? ICON_BIG : ICON_SMALL;
            HICON previous = w.icons[which];
            w.icons[which] = reinterpret_cast<HICON>(lParam);
            Transcript().Emit(trace::Event("setIcon").Bool("big", which == ICON_BIG).Handle("icon", w.icons[which]));
            return reinterpret_cast<LRESULT>(previous);
        }
        case WM_CLOSE: Send(w.handle, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0); return 0;
        default: return 0;
    }
}

std::optional<LRESULT> WindowManager::TextMessage(Window& w, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETTEXT:
            // The text a window takes is zero-terminated.
            SetText(w, lParam ? reinterpret_cast<LPCWSTR>(lParam) : u"");
            return TRUE;
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(w.text.size());
        case WM_GETTEXT: {
            auto* out = reinterpret_cast<LPWSTR>(lParam);
            if (!out || wParam == 0) return 0;
            size_t n = std::min<size_t>(w.text.size(), wParam - 1);
            w.text.copy(out, n);
            out[n] = 0;
            return static_cast<LRESULT>(n);
        }
        default: return std::nullopt;
    }
}

void WindowManager::SetText(Window& w, std::u16string text) {
    w.text = std::move(text);
    Transcript().Emit(trace::Event("setText").Num("id", w.id).Text("text", w.text));
}

HWND WindowManager::SetFocus(HWND handle) {
    HWND previous = focus_;
    Window* w = Find(handle);
    if (!w || handle == focus_) return previous;
    focus_ = handle;
    Transcript().Emit(trace::Event("focus").Num("id", w->id));
    return previous;
}

bool WindowManager::EndDialog(HWND dialog, INT_PTR result) {
    Window* w = Find(dialog);
    if (!w || w->kind != WindowKind::Dialog) return false;
    w->ended = true;
    w->result = result;
    Transcript().Emit(trace::Event("endDialog").Num("result", result));
    return true;
}

bool WindowManager::Destroy(HWND handle) {
    Window* w = Find(handle);
    if (!w) return false;
    if (!w->parent) Transcript().Emit(trace::Event("destroy").Num("id", w->id));
    Send(handle, WM_DESTROY, 0, 0);
    for (Window* child : std::vector<Window*>(w->children)) Destroy(child->handle);
    Send(handle, WM_NCDESTROY, 0, 0);
    if (focus_ == handle) focus_ = nullptr;
    if (w->parent) {
        auto& siblings = w->parent->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), w), siblings.end());
    }
    windows_.erase(reinterpret_cast<uintptr_t>(handle));
    return true;
}

}  // namespace ce
