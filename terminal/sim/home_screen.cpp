#include "sim/home_screen.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "console/curses_session.h"
#include "console/terminal_view.h"
#include "console/tty_guard.h"
#include "console/text_cells.h"
#include "sim/status.h"
#include "text/utf.h"

namespace terminal {

namespace {

using namespace ce::console;

const char* const kPrograms[] = {"Velkin", "Tarnell"};

std::u16string U16(const std::string& utf8) { return ce::text::FromUtf8(utf8).value_or(u"?"); }

// Runs one program on the screen and waits for it; how it ended.
std::string Start(CursesSession& session, const SimConfig& config, const std::string& path, const std::string& name) {
    session.Pause();
    std::fflush(nullptr);
    pid_t child = fork();
    if (child == 0) {
        config.Export();
        char* argv[] = {const_cast<char*>(name.c_str()), nullptr};
        execv(path.c_str(), argv);
        std::fprintf(stderr, "terminal-sim: cannot start %s: %s\n", path.c_str(), std::strerror(errno));
        _exit(127);
    }
    // Ctrl-C and Ctrl-\ are the program's while it runs, as with a shell.
    struct sigaction ignore, oldInt, oldQuit;
    std::memset(&ignore, 0, sizeof ignore);
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGINT, &ignore, &oldInt);
    sigaction(SIGQUIT, &ignore, &oldQuit);
    int status = 0;
    std::string ended;
    if (child < 0) {
        ended = "could not start " + name + ": " + std::strerror(errno);
    } else {
        // A signal that ends the home screen ends the program first.
        tty::SetChild(child);
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        tty::SetChild(0);
        if (WIFEXITED(status))
            ended = name + " ended with exit code " + std::to_string(WEXITSTATUS(status)) + ".";
        else if (WIFSIGNALED(status))
            ended = name + " was stopped by signal " + std::to_string(WTERMSIG(status)) + " (" +
                    strsignal(WTERMSIG(status)) + ").";
    }
    sigaction(SIGINT, &oldInt, nullptr);
    sigaction(SIGQUIT, &oldQuit, nullptr);
    session.Resume();
    return ended;
}

}  // namespace

int RunHomeScreen(const SimConfig& config, const std::string& programFolder) {
    std::vector<std::string> programs;
    for (const char* p : kPrograms)
        if (access((programFolder + "/" + p).c_str(), X_OK) == 0) programs.push_back(p);
    if (programs.empty()) {
        std::fprintf(stderr, "terminal-sim: no programs beside terminal-sim in %s\n", programFolder.c_str());
        return 2;
    }
    if (auto error = CursesSession::Start()) {
        std::fprintf(stderr, "terminal-sim: no screen: %s\n", error->c_str());
        return 2;
    }
    CursesSession& session = CursesSession::Get();
    std::vector<std::u16string> names;
    for (const auto& p : programs) names.push_back(U16(p));
    int selected = 0;
    std::u16string status = u"Choose a program and press Enter.";
    while (true) {
        Canvas canvas = CanvasFor(session.Size());
        FrameState frame;
        frame.hardware = PanelRows(ReadStatus(config).rows);
        frame.status = status;
        frame.keys = u"Up, Down, Tab: choose. Enter or a click: start. Esc or q: turn the terminal off.";
        PaintFrame(canvas, frame);
        PaintHome(canvas, names, selected);
        session.Show(canvas, std::nullopt);

        Input in = session.Read(-1);
        int start = -1;
        if (in.kind == Input::Kind::End) break;
        if (in.kind == Input::Kind::Key) {
            int n = static_cast<int>(names.size());
            if (in.key == kKeyDown || in.key == kKeyTab || in.key == kKeyRight) selected = (selected + 1) % n;
            if (in.key == kKeyUp || in.key == kKeyBackTab || in.key == kKeyLeft) selected = (selected + n - 1) % n;
            if (in.key == kKeyEnter || in.key == kKeySpace) start = selected;
            if (in.key == kKeyEscape) break;
        } else if (in.kind == Input::Kind::Text && (in.text == U"q" || in.text == U"Q")) {
            break;
        } else if (in.kind == Input::Kind::Click) {
            for (int i = 0; i < static_cast<int>(names.size()); ++i)
                if (HomeItem(i).Contains(in.x, in.y)) start = selected = i;
        }
        if (start >= 0) status = U16(Start(session, config, programFolder + "/" + programs[start], programs[start]));
    }
    CursesSession::End();
    return 0;
}

}  // namespace terminal
