#include "console/terminal_view.h"

#include <algorithm>
#include <cstdio>

#include "console/message_box_layout.h"
#include "console/text_cells.h"
#include "wm/window_manager.h"

namespace ce::console {

namespace {

const CellRect kScreen{1, 1, kScreenColumns, kScreenRows};

void Box(Canvas& c, const CellRect& r, Style style) {
    c.Fill(r, style);
    for (int x = r.x + 1; x < r.Right() - 1; ++x) {
        c.Put(x, r.y, U"─", style);
        c.Put(x, r.Bottom() - 1, U"─", style);
    }
    for (int y = r.y + 1; y < r.Bottom() - 1; ++y) {
        c.Put(r.x, y, U"│", style);
        c.Put(r.Right() - 1, y, U"│", style);
    }
    c.Put(r.x, r.y, U"┌", style);
    c.Put(r.Right() - 1, r.y, U"┐", style);
    c.Put(r.x, r.Bottom() - 1, U"└", style);
    c.Put(r.Right() - 1, r.Bottom() - 1, U"┘", style);
}

CellRect OnScreen(const CellRect& r) { return CellRect{r.x + kScreen.x, r.y + kScreen.y, r.w, r.h}; }

// Text within a cell rectangle: left, centred or right.
void PutAligned(Canvas& c, const CellRect& r, std::u32string_view text, Style style, int align) {
    int width = std::min(TextWidth(text), r.w);
    int x = align == 0 ? r.x : align == 1 ? r.x + (r.w - width) / 2 : r.Right() - width;
    c.Put(x, r.y, text, style, r.w - (x - r.x));
}

std::u32string Seconds(int64_t ms) {
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%lld s", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000 / 100));
    return FromUtf8(text);
}

void PaintControl(Canvas& c, const CellRect& client, const Window& w, bool focused,
                  const std::map<HWND, EditField>& edits, std::optional<std::pair<int, int>>& caret) {
    if (!w.Visible()) return;
    CellRect r = LayOutControl(w);
    r.x += client.x;
    r.y += client.y;
    // Clipped to the dialog's client area.
    if (r.Right() > client.Right()) r.w = client.Right() - r.x;
    if (r.w <= 0 || r.y >= client.Bottom()) return;
    std::u32string text = ToCodePoints(w.text);
    switch (w.kind) {
        case WindowKind::Static: {
            int align = (w.style & 0x3) == SS_CENTER ? 1 : (w.style & 0x3) == SS_RIGHT ? 2 : 0;
            PutAligned(c, r, text, Style::Window, align);
            break;
        }
        case WindowKind::Button: {
            Style style = focused ? Style::FocusedButton : Style::Button;
            c.Fill(r, style);
            c.Put(r.x, r.y, U"[", style);
            c.Put(r.Right() - 1, r.y, U"]", style);
            PutAligned(c, CellRect{r.x + 1, r.y, r.w - 2, 1}, text, style, 1);
            break;
        }
        case WindowKind::Edit: {
            Style style = focused ? Style::FocusedEdit : Style::Edit;
            c.Fill(r, style);
            auto it = edits.find(w.handle);
            if (it != edits.end()) {
                EditField::View v = it->second.Visible();
                c.Put(r.x, r.y, v.text, style, r.w);
                if (focused) caret = std::pair{r.x + std::min(v.caretColumn, r.w - 1), r.y};
            } else {
                c.Put(r.x, r.y, text, style, r.w);
            }
            break;
        }
        default: break;
    }
}

void PaintDialog(Canvas& c, const Window& dialog, HWND focus, const std::map<HWND, EditField>& edits,
                 std::optional<std::pair<int, int>>& caret) {
    DialogCells d = LayOutDialog(dialog);
    Box(c, OnScreen(d.frame), Style::Window);
    CellRect caption = OnScreen(d.caption);
    c.Fill(CellRect{caption.x - 1, caption.y, caption.w + 2, 1}, Style::Caption);
    int buttonsFrom = caption.Right();
    if (d.okButton) {
        CellRect ok = OnScreen(*d.okButton);
        c.Put(ok.x, ok.y, U"[OK]", Style::CaptionButton);
        buttonsFrom = std::min(buttonsFrom, ok.x);
    }
    if (d.closeButton) {
        CellRect close = OnScreen(*d.closeButton);
        c.Put(close.x, close.y, U"[x]", Style::CaptionButton);
        buttonsFrom = std::min(buttonsFrom, close.x);
    }
    c.Put(caption.x, caption.y, ToCodePoints(dialog.text), Style::Caption, buttonsFrom - caption.x - 1);
    CellRect client = OnScreen(d.client);
    for (const Window* control : dialog.children)
        PaintControl(c, client, *control, control->handle == focus, edits, caret);
}

void PaintMessageBox(Canvas& c, const MessageBoxState& box) {
    MessageBoxCells m = LayOutMessageBox(box.text, box.caption, box.type, kScreenColumns, kScreenRows);
    Box(c, OnScreen(m.frame), Style::Window);
    CellRect caption = OnScreen(m.caption);
    c.Fill(CellRect{caption.x - 1, caption.y, caption.w + 2, 1}, Style::Caption);
    c.Put(caption.x, caption.y, ToCodePoints(box.caption), Style::Caption, caption.w);
    if (m.exclamation) c.Put(m.iconX + kScreen.x, m.textY + kScreen.y, U" ! ", Style::Icon);
    for (size_t i = 0; i < m.lines.size(); ++i)
        c.Put(m.textX + kScreen.x, m.textY + kScreen.y + static_cast<int>(i), m.lines[i], Style::Window);
    CellRect ok = OnScreen(m.okButton);
    c.Put(ok.x, ok.y, U"[ OK ]", Style::FocusedButton);
}

// The debug text's last lines, zero characters shown as ␀.
std::vector<std::u32string> DebugLines(const std::u16string& debug, int width, int rows) {
    std::u32string visible;
    for (char32_t ch : ToCodePoints(debug)) visible += ch == 0 ? U'␀' : ch;
    std::vector<std::u32string> lines = WrapText(visible, width);
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    if (static_cast<int>(lines.size()) > rows) lines.erase(lines.begin(), lines.end() - rows);
    return lines;
}

}  // namespace

CellRect ScreenArea() { return kScreen; }

Canvas CanvasFor(std::pair<int, int> size) {
    return Canvas(std::max(size.first, kMinimumColumns), std::max(size.second, kMinimumRows));
}

void PaintFrame(Canvas& c, const FrameState& f) {
    c.Fill(CellRect{0, 0, c.width(), c.height()}, Style::Normal);
    Box(c, CellRect{0, 0, kCaseWidth, kCaseHeight}, Style::Bezel);
    c.Put(2, 0, U" Handheld terminal ", Style::BezelLabel);

    // The bottom of the case shows the busy bar while the program is busy.
    if (f.busy) {
        int total = static_cast<int>(std::max<int64_t>(f.busy->totalMs, 1));
        int elapsed = static_cast<int>(std::min<int64_t>(f.busy->elapsedMs, total));
        std::u32string label = U" busy " + Seconds(elapsed) + U" of " + Seconds(total) + U" ";
        int barWidth = kCaseWidth - 4 - TextWidth(label) - 2;
        int filled = barWidth * elapsed / total;
        int x = 2;
        x += c.Put(x, kCaseHeight - 1, label, Style::BusyText);
        x += c.Put(x, kCaseHeight - 1, U"[", Style::BusyText);
        c.Fill(CellRect{x, kCaseHeight - 1, filled, 1}, Style::Busy, U'#');
        c.Fill(CellRect{x + filled, kCaseHeight - 1, barWidth - filled, 1}, Style::BusyText, U'.');
        c.Put(x + barWidth, kCaseHeight - 1, U"]", Style::BusyText);
    }

    // The panel beside the case.
    int px = kCaseWidth + 1, width = c.width() - px - 1;
    int y = 0;
    c.Put(px, y++, U"Simulated hardware", Style::PanelTitle, width);
    int labelWidth = 0;
    for (const auto& row : f.hardware) labelWidth = std::max(labelWidth, TextWidth(ToCodePoints(row.label)));
    labelWidth = std::min(labelWidth + 1, width - 12);  // values keep a dozen cells at least
    for (const auto& row : f.hardware) {
        c.Put(px, y, ToCodePoints(row.label), Style::Panel, labelWidth - 1);
        for (const auto& line : WrapText(ToCodePoints(row.value), width - labelWidth)) {
            if (y >= kCaseHeight - 1) break;
            c.Put(px + labelWidth, y++, line, Style::PanelValue, width - labelWidth);
        }
    }
    ++y;
    auto keys = WrapText(ToCodePoints(f.keys), width);
    int keysTop = kCaseHeight - static_cast<int>(keys.size());
    if (y < keysTop - 2) {
        c.Put(px, y++, U"Kernel debug output", Style::PanelTitle, width);
        for (const auto& line : DebugLines(f.debugOutput, width, keysTop - 1 - y)) c.Put(px, y++, line, Style::Panel, width);
    }
    for (size_t i = 0; i < keys.size(); ++i) c.Put(px, keysTop + static_cast<int>(i), keys[i], Style::Panel, width);

    c.Put(1, kCaseHeight, ToCodePoints(f.status), Style::Status, c.width() - 2);
}

std::optional<std::pair<int, int>> PaintWindows(Canvas& c, const WindowManager& windows,
                                                const std::map<HWND, EditField>& edits) {
    c.Fill(kScreen, Style::Desktop);
    std::optional<std::pair<int, int>> caret;
    const auto& modals = windows.Modals();
    for (size_t i = 0; i < modals.size(); ++i) {
        bool front = i + 1 == modals.size();
        if (modals[i].box) {
            PaintMessageBox(c, *modals[i].box);
        } else if (const Window* dialog = windows.Find(modals[i].dialog)) {
            std::optional<std::pair<int, int>> dialogCaret;
            PaintDialog(c, *dialog, windows.Focus(), edits, dialogCaret);
            if (front) caret = dialogCaret;
        }
    }
    return caret;
}

CellRect HomeItem(int index) { return CellRect{kScreen.x + 8, kScreen.y + 5 + 2 * index, kScreenColumns - 16, 1}; }

void PaintHome(Canvas& c, const std::vector<std::u16string>& programs, int selected) {
    c.Fill(kScreen, Style::Desktop);
    PutAligned(c, CellRect{kScreen.x, kScreen.y + 2, kScreen.w, 1}, U"Programs", Style::Desktop, 1);
    for (size_t i = 0; i < programs.size(); ++i) {
        CellRect r = HomeItem(static_cast<int>(i));
        Style style = static_cast<int>(i) == selected ? Style::Selected : Style::Button;
        c.Fill(r, style);
        PutAligned(c, r, ToCodePoints(programs[i]), style, 1);
    }
}

void PaintSuspended(Canvas& c) {
    c.Fill(kScreen, Style::Dark);
    PutAligned(c, CellRect{kScreen.x, kScreen.y + 10, kScreen.w, 1}, U"The terminal is suspended.", Style::Dark, 1);
    PutAligned(c, CellRect{kScreen.x, kScreen.y + 12, kScreen.w, 1}, U"Press a key to wake it.", Style::Dark, 1);
}

}  // namespace ce::console
