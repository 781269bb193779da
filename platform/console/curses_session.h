// The user's text terminal under ncurses: taken over, read, drawn on, and
// always given back as it was: on a normal exit, an error, SIGINT, SIGTERM,
// SIGHUP, SIGQUIT and the crash signals.
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

class CursesSession {
public:
    // Takes over the terminal on standard input and output; the reason when
    // there is none.
    static std::optional<std::string> Start();
    static CursesSession& Get();
    static bool Active();

    // Gives the terminal back. Safe to call more than once.
    static void End();
    // Lends the terminal to a child process and takes it back afterwards.
    void Pause();
    void Resume();

    // The next input; after timeoutMs (-1: none) a Timeout.
    Input Read(int timeoutMs);
    // Throws away whatever input is waiting; how many inputs that was.
    int Drain();

    std::pair<int, int> Size() const;
    bool BigEnough() const;
    // Shows the canvas, or, on a terminal too small for it, what size it needs.
    void Show(const Canvas& canvas, std::optional<std::pair<int, int>> caret);

private:
    CursesSession() = default;
};

}  // namespace ce::console
