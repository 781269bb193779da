#include "console/edit_field.h"

#include "console/text_cells.h"

namespace ce::console {

void EditField::Reset(std::u32string text) {
    text_ = std::move(text);
    caret_ = text_.size();
    scroll_ = 0;
    Follow();
}

bool EditField::Insert(std::u32string_view typed) {
    std::u32string accepted;
    for (char32_t c : typed)
        if (c >= 0x20 && c != 0x7F) accepted += c;  // line breaks and controls have no place in one line
    if (accepted.empty()) return false;
    // Without horizontal scrolling the whole text must fit, caret cell included.
    if (!autoScroll_ && TextWidth(text_) + TextWidth(accepted) >= columns_) return false;
    text_.insert(caret_, accepted);
    caret_ += accepted.size();
    Follow();
    return true;
}

bool EditField::Backspace() {
    if (caret_ == 0) return false;
    text_.erase(--caret_, 1);
    if (scroll_ > caret_) scroll_ = caret_;
    Follow();
    return true;
}

bool EditField::Delete() {
    if (caret_ >= text_.size()) return false;
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

void EditField::Follow() {
    if (caret_ < scroll_) scroll_ = caret_;
    // The caret stands in a cell of its own after the characters before it.
    auto widthToCaret = [&] { return TextWidth(std::u32string_view(text_).substr(scroll_, caret_ - scroll_)); };
    while (scroll_ < caret_ && widthToCaret() + 1 > columns_) ++scroll_;
    // Scrolled further than needed (text deleted): show as much as fits.
    while (scroll_ > 0 && TextWidth(std::u32string_view(text_).substr(scroll_ - 1)) + 1 <= columns_) --scroll_;
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
