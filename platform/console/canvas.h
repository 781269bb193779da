// The picture of the text terminal before it is shown: a grid of cells,
// each a character and a style. A wide character takes its cell and the
// next, which is marked as its tail.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "console/cell_rect.h"

namespace ce::console {

enum class Style {
    Normal,
    Bezel,        // the terminal's case
    BezelLabel,
    Desktop,      // the screen behind the windows
    Window,       // a dialog's or a box's face
    Caption,
    CaptionButton,
    Button,
    FocusedButton,
    Edit,
    FocusedEdit,
    Icon,         // the exclamation mark of a box
    Busy,         // the busy bar's filled part
    BusyText,
    Status,
    Panel,
    PanelTitle,
    PanelValue,
    Dark,         // the screen of a suspended terminal
    Selected,     // the chosen program on the home screen
};

struct Cell {
    char32_t ch = U' ';
    Style style = Style::Normal;
    bool wideTail = false;  // the right half of the wide character before it
    bool operator==(const Cell&) const = default;
};

class Canvas {
public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    const Cell& At(int x, int y) const { return cells_[y * width_ + x]; }

    void Fill(const CellRect& r, Style style, char32_t ch = U' ');
    // Writes text from (x, y), no further than `limit` cells to the right of x
    // (and never past the edge); a wide character that would be cut is left
    // out. Returns the cells used.
    int Put(int x, int y, std::u32string_view text, Style style, int limit = 1 << 20);
    int Put(int x, int y, std::string_view utf8, Style style, int limit = 1 << 20);
    void SetStyle(const CellRect& r, Style style);

    // One row as UTF-8, wide characters once (for tests and logs).
    std::string RowText(int y) const;

private:
    void PutCell(int x, int y, char32_t ch, Style style, int w);
    int width_, height_;
    std::vector<Cell> cells_;
};

std::u32string FromUtf8(std::string_view utf8);

}  // namespace ce::console
