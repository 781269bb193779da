// A message box on the text terminal: centred on the screen, its caption on
// top, the exclamation mark where its type asks for it, the text wrapped to
// fit, an OK button under it.
#pragma once
#include <string>
#include <vector>

#include "console/cell_rect.h"
#include "windows.h"

namespace ce::console {

struct MessageBoxCells {
    CellRect frame;
    CellRect caption;
    std::vector<std::u32string> lines;  // the text, wrapped
    int textX = 0, textY = 0;
    bool exclamation = false;
    int iconX = 0;
    CellRect okButton;
};

MessageBoxCells LayOutMessageBox(std::u16string_view text, std::u16string_view caption, UINT type,
                                 int screenColumns, int screenRows);

// Breaks text into lines of at most `width` cells: at line breaks, then after
// spaces, then, for a word too long or for text without spaces such as
// Chinese, between any two characters.
std::vector<std::u32string> WrapText(std::u32string_view text, int width);

}  // namespace ce::console
