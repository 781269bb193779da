// A rectangle of character cells.
#pragma once

namespace ce::console {

struct CellRect {
    int x = 0, y = 0, w = 0, h = 0;
    int Right() const { return x + w; }    // one past the last column
    int Bottom() const { return y + h; }   // one past the last row
    bool Contains(int cx, int cy) const { return cx >= x && cx < x + w && cy >= y && cy < y + h; }
    bool operator==(const CellRect&) const = default;
};

}  // namespace ce::console
