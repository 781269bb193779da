// What the window manager asks of a front end: the user's next action while
// a dialog or message box waits, and where to report actions that don't fit.
#pragma once
#include <cstdint>
#include <string>

namespace ce {

struct UserAction {
    enum class Kind { SetText, Click, Focus, Ok, Cancel, Dismiss, Wait, EndOfInput };
    Kind kind = Kind::EndOfInput;
    int id = 0;
    std::u16string text;
    uint32_t ms = 0;
    int line = 0;  // where the action came from, for messages; 0 if nowhere

    static const char* Name(Kind kind);
};

class WindowManager;

class FrontEnd {
public:
    virtual ~FrontEnd() = default;
    // Blocks until the user acts on what the window manager shows.
    virtual UserAction NextAction(const WindowManager& screen) = 0;
    // The action did not fit the screen: the run stops, and every window
    // still open is closed as Cancel would.
    virtual void Rejected(const UserAction& action, const std::string& why) = 0;
    // The input ended while a window was open; it is being closed as Cancel would.
    virtual void LeftOpen(const std::string& what) = 0;
    // The program has ended; input it never took is reported here.
    virtual void ProgramEnded() {}
    // True once the run stopped short, left windows open or left input unused.
    virtual bool Failed() const = 0;
};

}  // namespace ce
