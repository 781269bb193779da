#include "console/message_box_layout.h"

#include <algorithm>

#include "console/text_cells.h"

namespace ce::console {

namespace {

const char32_t kOk[] = U"[ OK ]";
constexpr int kIconWidth = 4;  // " ! " and a space

void WrapParagraph(std::u32string_view p, int width, std::vector<std::u32string>& out) {
    std::u32string line;
    int lineWidth = 0;
    size_t i = 0;
    while (i < p.size()) {
        // The next word and the spaces after it.
        size_t end = i;
        while (end < p.size() && p[end] != U' ') ++end;
        size_t spacesEnd = end;
        while (spacesEnd < p.size() && p[spacesEnd] == U' ') ++spacesEnd;
        std::u32string_view word = p.substr(i, end - i);
        int wordWidth = TextWidth(word);
        if (lineWidth > 0 && lineWidth + wordWidth > width) {
            while (!line.empty() && line.back() == U' ') line.pop_back();
            out.push_back(line);
            line.clear();
            lineWidth = 0;
        }
        for (char32_t c : word) {  // a word longer than a line breaks anywhere
            int w = CellWidth(c);
            if (lineWidth + w > width && lineWidth > 0) {
                out.push_back(line);
                line.clear();
                lineWidth = 0;
            }
            line += c;
            lineWidth += w;
        }
        for (size_t s = end; s < spacesEnd && lineWidth < width; ++s) {
            line += U' ';
            ++lineWidth;
        }
        i = spacesEnd;
    }
    while (!line.empty() && line.back() == U' ') line.pop_back();
    out.push_back(line);
}

}  // namespace

std::vector<std::u32string> WrapText(std::u32string_view text, int width) {
    std::vector<std::u32string> lines;
    if (width < 2) width = 2;
    size_t start = 0;
    while (true) {
        size_t nl = text.find(U'\n', start);
        std::u32string_view paragraph = text.substr(start, nl == std::u32string_view::npos ? nl : nl - start);
        if (!paragraph.empty() && paragraph.back() == U'\r') paragraph.remove_suffix(1);
        WrapParagraph(paragraph, width, lines);
        if (nl == std::u32string_view::npos) break;
        start = nl + 1;
    }
    return lines;
}

MessageBoxCells LayOutMessageBox(std::u16string_view text, std::u16string_view caption, UINT type,
                                 int screenColumns, int screenRows) {
    MessageBoxCells box;
    box.exclamation = (type & MB_ICONMASK) == MB_ICONEXCLAMATION;
    int icon = box.exclamation ? kIconWidth : 0;
    // Borders and a space of padding on each side.
    int maxInner = screenColumns - 4;
    box.lines = WrapText(ToCodePoints(text), maxInner - icon);
    int maxLines = screenRows - 6;
    if (static_cast<int>(box.lines.size()) > maxLines) {
        box.lines.resize(maxLines > 1 ? maxLines : 1);
        box.lines.back() += U"…";
    }
    int textWidth = 0;
    for (const auto& l : box.lines) textWidth = std::max(textWidth, TextWidth(l));
    int okWidth = TextWidth(kOk);
    int captionWidth = TextWidth(ToCodePoints(caption));
    int inner = std::max({icon + textWidth, okWidth, std::min(captionWidth, maxInner)});
    int width = inner + 4;
    // Caption, a blank row, the text, a blank row, the button, the bottom border.
    int height = static_cast<int>(box.lines.size()) + 5;
    box.frame = CellRect{(screenColumns - width) / 2, (screenRows - height) / 2, width, height};
    box.caption = CellRect{box.frame.x + 1, box.frame.y, width - 2, 1};
    box.iconX = box.frame.x + 2;
    box.textX = box.frame.x + 2 + icon;
    box.textY = box.frame.y + 2;
    box.okButton = CellRect{box.frame.x + (width - okWidth) / 2, box.frame.Bottom() - 2, okWidth, 1};
    return box;
}

}  // namespace ce::console
