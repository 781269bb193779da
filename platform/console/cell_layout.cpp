#include "console/cell_layout.h"

#include "wm/window_manager.h"

namespace ce::console {

namespace {

int CeilDiv(int a, int b) { return a <= 0 ? 0 : (a + b - 1) / b; }

}  // namespace

DialogCells LayOutDialog(const Window& dialog) {
    DialogCells d;
    int column = dialog.pixels.left / WindowManager::kBaseUnitX;
    int row = dialog.pixels.top / WindowManager::kBaseUnitY;
    int width = CeilDiv(dialog.units.right - dialog.units.left, kUnitsPerColumn);
    int height = CeilDiv(dialog.units.bottom - dialog.units.top, kUnitsPerRow);
    d.frame = CellRect{column, row, width + 2, height + 2};
    d.caption = CellRect{column + 1, row, width, 1};
    d.client = CellRect{column + 1, row + 1, width, height};
    // The caption's buttons sit at its right end: [OK] then [x].
    int right = d.caption.Right();
    if (dialog.style & WS_SYSMENU) {
        d.closeButton = CellRect{right - 3, row, 3, 1};
        right -= 3;
    }
    if (dialog.exStyle & WS_EX_CAPTIONOKBTN) d.okButton = CellRect{right - 4, row, 4, 1};
    return d;
}

CellRect LayOutControl(const Window& control) {
    const RECT& u = control.units;
    int x = u.left / kUnitsPerColumn;
    int width = CeilDiv(u.right, kUnitsPerColumn) - x;
    int height = u.bottom - u.top;
    if (height <= 3 * kUnitsPerRow) return CellRect{x, (u.top + height / 2) / kUnitsPerRow, width, 1};
    int y = u.top / kUnitsPerRow;
    return CellRect{x, y, width, CeilDiv(u.bottom, kUnitsPerRow) - y};
}

}  // namespace ce::console
