#include "console/canvas.h"

#include "console/text_cells.h"
#include "text/utf.h"

namespace ce::console {

Canvas::Canvas(int width, int height)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0), cells_(width_ * height_) {}

void Canvas::PutCell(int x, int y, char32_t ch, Style style, int w) {
    Cell* row = &cells_[y * width_];
    // Overwriting half of a wide character blanks its other half.
    if (row[x].wideTail && x > 0) row[x - 1] = Cell{U' ', row[x - 1].style, false};
    int end = x + w;
    if (end < width_ && row[end].wideTail) row[end] = Cell{U' ', row[end].style, false};
    row[x] = Cell{ch, style, false};
    if (w == 2) row[x + 1] = Cell{U' ', style, true};
}

void Canvas::Fill(const CellRect& r, Style style, char32_t ch) {
    for (int y = r.y; y < r.Bottom(); ++y)
        for (int x = r.x; x < r.Right(); ++x)
            if (x >= 0 && y >= 0 && x < width_ && y < height_) PutCell(x, y, ch, style, 1);
}

void Canvas::SetStyle(const CellRect& r, Style style) {
    for (int y = r.y; y < r.Bottom(); ++y)
        for (int x = r.x; x < r.Right(); ++x)
            if (x >= 0 && y >= 0 && x < width_ && y < height_) cells_[y * width_ + x].style = style;
}

int Canvas::Put(int x, int y, std::u32string_view text, Style style, int limit) {
    if (y < 0 || y >= height_) return 0;
    int edge = x + limit < width_ ? x + limit : width_;
    int at = x;
    for (char32_t c : text) {
        if (c < 0x20 || c == 0x7F) c = U'\uFFFD';  // control characters are not drawn as such
        int w = CellWidth(c);
        if (w == 0) continue;
        if (at + w > edge) break;
        if (at >= 0) PutCell(at, y, c, style, w);
        at += w;
    }
    return at - x;
}

int Canvas::Put(int x, int y, std::string_view utf8, Style style, int limit) {
    return Put(x, y, FromUtf8(utf8), style, limit);
}

std::string Canvas::RowText(int y) const {
    std::u32string row;
    for (int x = 0; x < width_; ++x)
        if (!At(x, y).wideTail) row += At(x, y).ch;
    return text::ToUtf8(ToUtf16(row));
}

std::u32string FromUtf8(std::string_view utf8) {
    auto wide = text::FromUtf8(utf8);
    return ToCodePoints(wide ? *wide : std::u16string(utf8.begin(), utf8.end()));
}

}  // namespace ce::console
