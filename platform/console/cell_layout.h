// Where windows go on the text terminal. One character cell is one dialog
// base unit: 4 horizontal and 8 vertical dialog units, 6 x 13 pixels of the
// terminal's 240 x 320 screen, which makes it 40 x 25 cells.
#pragma once
#include <optional>

#include "console/cell_rect.h"
#include "wm/window.h"

namespace ce::console {

constexpr int kUnitsPerColumn = 4;
constexpr int kUnitsPerRow = 8;
constexpr int kScreenColumns = 40;
constexpr int kScreenRows = 25;

// A dialog on the screen, in screen cells: a caption row on top, the client
// area under it, a border round the sides and the bottom.
struct DialogCells {
    CellRect frame;
    CellRect caption;                  // the caption row, inside the side borders
    CellRect client;
    std::optional<CellRect> okButton;  // from WS_EX_CAPTIONOKBTN
    std::optional<CellRect> closeButton;
};

DialogCells LayOutDialog(const Window& dialog);

// A control in its dialog's client cells. Controls up to three rows of units
// high take one text row, at their middle; taller ones their full height.
CellRect LayOutControl(const Window& control);

}  // namespace ce::console
