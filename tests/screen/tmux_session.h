// A command in a tmux pane of its own, driven with send-keys and read back
// with capture-pane, for tests of the interactive screen.
#pragma once
#include <string>
#include <vector>

namespace test {

class TmuxSession {
public:
    // Runs `command` through sh in a detached pane of columns x rows, on a
    // tmux server of its own, with a UTF-8 locale.
    TmuxSession(const std::string& command, int columns = 100, int rows = 30);
    ~TmuxSession();

    // tmux key names ("Tab", "Enter", "Escape", "C-c", "BSpace") or, with
    // Type, literal text.
    void Keys(const std::vector<std::string>& keys);
    void Type(const std::string& text);
    // Pastes text as a terminal does, bracketed when the program asked for it.
    void Paste(const std::string& text);
    void Resize(int columns, int rows);

    std::string Screen() const;
    // A tmux format for the pane ("#{alternate_on}"), filled in.
    std::string Format(const std::string& format) const;
    // The pid of the process the pane runs (the shell), and of its children.
    int PanePid() const;
    std::vector<int> Children(int pid) const;
    // Waits until the screen shows `text` (true) or ten seconds have gone.
    bool WaitFor(const std::string& text) const;
    // Waits until the screen no longer shows `text`.
    bool WaitUntilGone(const std::string& text) const;

private:
    std::vector<std::string> Tmux(std::vector<std::string> args) const;
    std::string socket_;
};

}  // namespace test
