// Paints the simulated terminal on a canvas: its case with the screen, the
// side panel of simulated hardware, the status line, the busy bar, and on
// the screen the windows, the home screen or the dark screen of a suspended
// terminal. Nothing here knows the text terminal it ends up on.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "console/canvas.h"
#include "console/cell_layout.h"
#include "console/edit_field.h"
#include "windows.h"

namespace ce {
class WindowManager;
}

namespace ce::console {

// The whole picture: the case round the screen, the panel beside it, the
// status line under both.
constexpr int kCaseWidth = kScreenColumns + 2;
constexpr int kCaseHeight = kScreenRows + 2;
constexpr int kMinimumColumns = 80;
constexpr int kMinimumRows = kCaseHeight + 1;
CellRect ScreenArea();
// A canvas for a text terminal of this many columns and rows: the whole
// terminal, and never smaller than the picture.
Canvas CanvasFor(std::pair<int, int> size);

struct PanelRow {
    std::u16string label;
    std::u16string value;
};

struct BusyState {
    int64_t elapsedMs = 0;
    int64_t totalMs = 0;
};

struct FrameState {
    std::vector<PanelRow> hardware;
    std::u16string debugOutput;   // all of it; the last lines show
    std::u16string status;        // the status line
    std::u16string keys;          // what the keys do, under the panel
    std::optional<BusyState> busy;
};

void PaintFrame(Canvas& canvas, const FrameState& frame);

// The windows, outermost first; where the caret stands, if the focused edit
// box of the window in front shows one.
std::optional<std::pair<int, int>> PaintWindows(Canvas& canvas, const WindowManager& windows,
                                                const std::map<HWND, EditField>& edits);

void PaintHome(Canvas& canvas, const std::vector<std::u16string>& programs, int selected);
void PaintSuspended(Canvas& canvas);

// The home screen's rows, for clicks.
CellRect HomeItem(int index);

}  // namespace ce::console
