#include "console/edit_field.h"

#include "console/text_cells.h"

namespace ce::console {

namespace {

size_t Units(char32_t c) { return c > 0xFFFF ? 2 : 1; }

size_t Units(std::u32string_view text) {
    size_t n = 0;
    for (char32_t c : text) n += Units(c);
    return n;
}

}  // namespace

void EditField::Reset(std::u32string text) {
    text_ = std::move(text);
    units_ = Units(text_);
    caret_ = text_.size();
    scroll_ = 0;
    Follow();
}

bool EditField::Insert(std::u32string_view typed) {
    std::u32string accepted;
    size_t room = units_ < limit_ ? limit_ - units_ : 0;
    size_t units = 0;
    for (char32_t c : typed) {
        if (c < 0x20 || c == 0x7F) continue;  // line breaks and controls have no place in one line
        if (units + Units(c) > room) break;     // past the limit: not taken
        accepted += c;
        units += Units(c);
    }
    if (accepted.empty()) return false;
    // Without horizontal scrolling the whole text must fit, caret cell included.
    if (!autoScroll_ && TextWidth(text_) + TextWidth(accepted) >= columns_) return false;
    text_.insert(caret_, accepted);
    units_ += units;
    caret_ += accepted.size();
    Follow();
    return true;
}

bool EditField::Backspace() {
    if (caret_ == 0) return false;
    units_ -= Units(text_[caret_ - 1]);
    text_.erase(--caret_, 1);
    if (scroll_ > caret_) scroll_ = caret_;
    Follow();
    return true;
}

bool EditField::Delete() {
    if (caret_ >= text_.size()) return false;
    units_ -= Units(text_[caret_]);
    text_.erase(caret_, 1);
    Follow();
    return true;
}

void EditField::Left() {
    if (caret_ > 0) --caret_;
    Follow();
}

void EditField::Right() {
    if (caret_ < text_.size()) ++caret_;
    Follow();
}

void EditField::ClickAt(int column) {
    size_t i = scroll_;
    int at = 0;
    while (i < text_.size()) {
        int w = CellWidth(text_[i]);
        if (at + w > column) break;
        at += w;
        ++i;
    }
    caret_ = i;
    Follow();
}

// Each step looks at no more characters than the control shows, so a long
// text costs no more than a short one.
void EditField::Follow() {
    if (caret_ < scroll_) scroll_ = caret_;
    // The caret stands in a cell of its own after the characters before it:
    // the first visible character is the earliest from which they all fit.
    size_t first = caret_;
    int width = 0;
    while (first > scroll_ && width + CellWidth(text_[first - 1]) + 1 <= columns_) width += CellWidth(text_[--first]);
    if (first > scroll_) scroll_ = first;
    // Scrolled further than needed (text deleted): show as much as fits.
    int tail = 0;
    for (size_t i = scroll_; i < text_.size() && tail + 1 <= columns_; ++i) tail += CellWidth(text_[i]);
    while (scroll_ > 0 && tail + CellWidth(text_[scroll_ - 1]) + 1 <= columns_) tail += CellWidth(text_[--scroll_]);
}

EditField::View EditField::Visible() const {
    View v{{}, 0};
    int used = 0;
    for (size_t i = scroll_; i < text_.size(); ++i) {
        int w = CellWidth(text_[i]);
        if (used + w > columns_) break;
        v.text += text_[i];
        used += w;
    }
    v.caretColumn = TextWidth(std::u32string_view(text_).substr(scroll_, caret_ - scroll_));
    return v;
}

}  // namespace ce::console
