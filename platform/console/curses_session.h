// The user's text terminal under ncurses: taken over, read, drawn on, and
// always given back as it was: on a normal exit, an error, and every signal
// that ends or stops the process (tty_guard.h); taken again after a stop.
#pragma once
#include <optional>
#include <string>
#include <utility>

#include "console/display.h"

namespace ce::console {

class CursesSession : public Display {
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

    Input Read(int timeoutMs) override;
    int Drain() override;
    std::pair<int, int> Size() const override;
    bool BigEnough() const;
    // Shows the canvas, or, on a terminal too small for it, what size it needs.
    void Show(const Canvas& canvas, std::optional<std::pair<int, int>> caret) override;

private:
    CursesSession() = default;
    // After a stop and continue: the terminal taken again, to be drawn whole.
    void TakeBackAfterStop();
};

}  // namespace ce::console
