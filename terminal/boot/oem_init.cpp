// Brings the simulated terminal up inside the program's process, before the
// program's WinMain: the configuration the runner left in the environment,
// the persisted state, the drivers, the transcript and the front end: a
// script, or the interactive screen when a person is at the terminal.
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "console/console_front_end.h"
#include "console/curses_session.h"
#include "crt/oem.h"
#include "fd_io.h"
#include "kernel/system.h"
#include "terminal.h"
#include "text/excerpt.h"
#include "trace/json_lines_sink.h"
#include "trace/narration_sink.h"
#include "wm/script.h"
#include "wm/scripted_front_end.h"
#include "wm/window_manager.h"

namespace {

std::string ProgramName(const char* argv0) {
    std::string name = argv0 ? argv0 : "program";
    size_t slash = name.rfind('/');
    return ce::text::Excerpt(slash == std::string::npos ? name : name.substr(slash + 1));
}

int Fail(const std::string& program, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", program.c_str(), message.c_str());
    return 2;
}

// A reader that goes away ends the transcript, not the run.
ce::trace::LineOutput::OnFail Gone(const char* what) {
    return [what](const std::string& why) {
        std::fprintf(stderr, "terminal-sim: the %s stops here (%s); the run goes on without it\n", what, why.c_str());
    };
}

bool AttachSinks(ce::System& sys, const terminal::SimConfig& config) {
    if (config.transcriptFd >= 0) {
        std::FILE* out = config.transcriptFd == 1 ? stdout : fdopen(config.transcriptFd, "w");
        if (!out) return false;
        sys.transcript.Attach(std::make_shared<ce::trace::JsonLinesSink>(out, Gone("transcript")));
    }
    if (config.narrationFd >= 0) {
        std::FILE* out = config.narrationFd == 1 ? stdout : fdopen(config.narrationFd, "w");
        if (!out) return false;
        sys.transcript.Attach(std::make_shared<ce::trace::NarrationSink>(out, Gone("account of the run")));
    }
    return true;
}

}  // namespace

int OEMInit(int argc, char** argv) {
    // A closed output is a write error to report, in every run.
    signal(SIGPIPE, SIG_IGN);
    std::string program = ProgramName(argc > 0 ? argv[0] : nullptr);
    auto parsed = terminal::SimConfig::FromEnvironment();
    if (auto* error = std::get_if<std::string>(&parsed)) return Fail(program, *error);
    auto config = std::get<terminal::SimConfig>(parsed);

    // Started directly with its input from a file or a pipe: that is the script.
    if (config.scriptFd < 0 && !isatty(0)) {
        config.scriptFd = 0;
        if (config.transcriptFd < 0 && config.narrationFd < 0) config.narrationFd = 1;
    }
    bool interactive = config.scriptFd < 0;
    if (interactive && !isatty(1))
        return Fail(program, "the screen needs standard output on a terminal; or script the run: terminal-sim --script FILE " +
                                 program + " (terminal-sim --help tells how)");

    std::string scriptText;
    if (!interactive) {
        if (auto error = terminal::ReadScript(config.scriptFd, scriptText)) return Fail(program, "the script " + *error);
        close(config.scriptFd);
        if (auto error = ce::CheckScript(scriptText))
            return Fail(program, "script line " + std::to_string(error->line) + ": " + error->message);
    }

    // A person at the screen waits in real time; a script does not.
    ce::System& sys = ce::System::Reset(interactive ? ce::Clock::Mode::Real : ce::Clock::Mode::Virtual);

    // The terminal lives as long as the process: its drivers and HAL serve
    // the program's exit-time code too.
    static terminal::Terminal* device = nullptr;
    if (!AttachSinks(sys, config)) return Fail(program, "cannot write the transcript");
    device = new terminal::Terminal(config);
    if (auto error = device->PowerOn()) return Fail(program, *error);

    if (!interactive) {
        static ce::ScriptedFrontEnd* scripted = nullptr;
        scripted = new ce::ScriptedFrontEnd(std::move(scriptText), stderr, "terminal-sim: ");
        sys.windows->SetFrontEnd(scripted);
        return 0;
    }

    if (auto error = ce::console::CursesSession::Start()) return Fail(program, "no screen: " + *error);
    static ce::console::ConsoleFrontEnd* screen = nullptr;
    screen = new ce::console::ConsoleFrontEnd(ce::console::CursesSession::Get(), [] { return terminal::PanelRows(device->Rows()); },
                                              &ce::console::CursesSession::End);
    sys.windows->SetFrontEnd(screen);
    sys.clock.SetWaiter([](uint32_t ms) { screen->Wait(ms); });
    if (terminal::TerminalHal* hal = device->hal()) hal->SetSuspendHandler([] { screen->Suspend(); });
    return 0;
}
