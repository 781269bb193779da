// A single-line edit control as the user works it on the text terminal: the
// text, the caret and, for ES_AUTOHSCROLL, the part that is scrolled into
// view. Widths are display cells, so a Chinese character counts two.
#pragma once
#include <string>

namespace ce::console {

class EditField {
public:
    // `columns`: the control's width in cells; without autoScroll the text
    // may not grow past it, as in an edit box without ES_AUTOHSCROLL.
    // `limit`: the most the user may enter, in UTF-16 units (EM_LIMITTEXT).
    EditField(int columns, bool autoScroll, size_t limit = 30000)
        : columns_(columns > 1 ? columns : 1), autoScroll_(autoScroll), limit_(limit) {}

    // New text from the program (WM_SETTEXT), which no limit holds back:
    // the caret goes to its end.
    void Reset(std::u32string text);
    void SetLimit(size_t limit) { limit_ = limit; }
    const std::u32string& text() const { return text_; }
    size_t caret() const { return caret_; }

    // Each returns whether the text changed. Insert takes a whole paste at
    // once, up to the limit, in time proportional to its length; without
    // autoScroll it inserts nothing when the text would no longer fit.
    bool Insert(std::u32string_view typed);
    bool Backspace();
    bool Delete();
    void Home() { caret_ = 0; Follow(); }
    void End() { caret_ = text_.size(); Follow(); }
    void Left();
    void Right();
    // Puts the caret at a cell of the control (a mouse click).
    void ClickAt(int column);

    // What shows: the text from the first visible character, and the caret's cell.
    struct View {
        std::u32string text;  // fits the width; a wide character cut at the edge is left out
        int caretColumn;
    };
    View Visible() const;

private:
    // Scrolls so that the caret, and the cell it stands in, are in view.
    void Follow();

    int columns_;
    bool autoScroll_;
    size_t limit_;
    std::u32string text_;
    size_t units_ = 0;  // the text's length in UTF-16 units
    size_t caret_ = 0;
    size_t scroll_ = 0;  // index of the first visible character
};

}  // namespace ce::console
