// What the interactive front end needs of a text terminal: input, its
// size, and showing a picture. The ncurses session is one; a test can be
// another.
#pragma once
#include <optional>
#include <string>
#include <utility>

#include "console/canvas.h"

namespace ce::console {

struct Input {
    enum class Kind { Timeout, Key, Text, Click, Resize, End };
    Kind kind = Kind::Timeout;
    int key = 0;              // Key: one of the Keys below
    std::u32string text;      // Text: typed or pasted, whole
    int x = 0, y = 0;         // Click: the cell
};

enum Keys {
    kKeyTab = 1, kKeyBackTab, kKeyEnter, kKeyEscape, kKeySpace, kKeyBackspace, kKeyDelete,
    kKeyHome, kKeyEnd, kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeyOther,
};

class Display {
public:
    virtual ~Display() = default;
    // The next input; after timeoutMs (-1: none) a Timeout.
    virtual Input Read(int timeoutMs) = 0;
    // Throws away whatever input is waiting; how many inputs that was.
    virtual int Drain() = 0;
    // Columns and rows.
    virtual std::pair<int, int> Size() const = 0;
    virtual void Show(const Canvas& canvas, std::optional<std::pair<int, int>> caret) = 0;
};

}  // namespace ce::console
