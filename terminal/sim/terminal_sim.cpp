// terminal-sim: checks the run's options, the program and the script, and
// starts the program with the terminal set up. The program itself stores
// what the run asks (--device-id) once it has found the state sound, so
// nothing changes when the run cannot go ahead.
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fd_io.h"
#include "sim/home_screen.h"
#include "sim/options.h"
#include "sim/status.h"
#include "terminal.h"
#include "text/excerpt.h"
#include "wm/script.h"

namespace {

using ce::text::Excerpt;

int Fail(const std::string& message) {
    std::fprintf(stderr, "terminal-sim: %s\n", message.c_str());
    return 2;
}

std::string RunnerFolder() {
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return ".";
    std::string p(path, n);
    return p.substr(0, p.rfind('/'));
}

// The script goes to the program in an anonymous file it inherits.
int ScriptFd(const std::string& text) {
    int fd = memfd_create("terminal-sim-script", 0);
    if (fd < 0) return -1;
    size_t done = 0;
    while (done < text.size()) {
        ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        done += n;
    }
    lseek(fd, 0, SEEK_SET);
    return fd;
}

// A bare name is a program beside terminal-sim.
std::string ProgramPath(const std::string& program) {
    return program.find('/') == std::string::npos ? RunnerFolder() + "/" + program : program;
}

// Why the program cannot start, if it cannot: it must be a file we may run.
std::optional<std::string> CheckProgram(const std::string& given, const std::string& path) {
    struct stat st;
    std::string named = "no program " + Excerpt(given) + " (" + Excerpt(path) + ": ";
    if (stat(path.c_str(), &st) != 0) return named + std::strerror(errno) + ")";
    if (S_ISDIR(st.st_mode)) return named + "a folder, not a program)";
    if (!S_ISREG(st.st_mode)) return named + "not a regular file)";
    if (access(path.c_str(), X_OK) != 0) return named + "not executable: " + std::strerror(errno) + ")";
    return std::nullopt;
}

std::optional<std::string> ReadScriptOption(const std::string& script, std::string& text) {
    bool stdinScript = script == "-";
    std::string shown = stdinScript ? "(standard input)" : Excerpt(script);
    int fd = stdinScript ? 0 : open(script.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "cannot read the script " + shown + ": " + std::strerror(errno);
    auto error = terminal::ReadScript(fd, text);
    if (!stdinScript) close(fd);
    if (error) return "script " + shown + " " + *error;
    if (auto bad = ce::CheckScript(text)) return "script " + shown + " line " + std::to_string(bad->line) + ": " + bad->message;
    return std::nullopt;
}

// Stores what the run asks once the whole state is found sound.
std::optional<std::string> PrepareState(const terminal::SimConfig& config) {
    terminal::StateDir state(config.StatePath());
    auto loaded = terminal::LoadTerminalState(config, state);
    if (auto* error = std::get_if<std::string>(&loaded)) return *error;
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    // A reader that goes away is an error to report, not the end of the run.
    signal(SIGPIPE, SIG_IGN);
    auto parsed = terminal::ParseRunnerOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (auto* error = std::get_if<std::string>(&parsed)) return Fail(*error);
    auto options = std::get<terminal::RunnerOptions>(parsed);
    if (options.help) {
        std::fputs(terminal::RunnerHelp(), stdout);
        return 0;
    }

    if (options.status) {
        if (options.config.deviceId)
            if (auto error = PrepareState(options.config)) return Fail(*error);
        terminal::StatusReport report = terminal::ReadStatus(options.config);
        std::fputs(report.Text().c_str(), stdout);
        return report.damaged ? 1 : 0;
    }

    // A person at a terminal gets the screen; anyone else needs a script.
    bool interactive = !options.script;
    if (interactive && options.transcript && *options.transcript == "-")
        return Fail("--transcript - needs --script: the screen takes standard output; give a file");
    if (interactive && (!isatty(0) || !isatty(1)))
        return Fail("no terminal here to show the screen on (standard input and output must be one); script the run: "
                    "terminal-sim --script FILE " + (options.program.empty() ? std::string("Velkin") : Excerpt(options.program)) +
                    " (terminal-sim --help tells how)");
    if (!interactive && options.program.empty())
        return Fail("which program? terminal-sim --script FILE Velkin|Tarnell (terminal-sim --help tells more)");

    std::string program;
    if (!options.program.empty()) {
        program = ProgramPath(options.program);
        if (auto error = CheckProgram(options.program, program)) return Fail(*error);
    }

    std::string scriptText;
    if (!interactive)
        if (auto error = ReadScriptOption(*options.script, scriptText)) return Fail(*error);

    // The transcript where asked; otherwise, for a script, a readable account on standard output.
    terminal::SimConfig config = options.config;
    if (!options.transcript) {
        if (!interactive) config.narrationFd = 1;
    } else if (*options.transcript == "-") {
        config.transcriptFd = 1;
    } else {
        int fd = open(options.transcript->c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0)
            return Fail("cannot write the transcript " + Excerpt(*options.transcript) + ": " + std::strerror(errno));
        config.transcriptFd = fd;
    }
    if (!interactive) {
        config.scriptFd = ScriptFd(scriptText);
        if (config.scriptFd < 0) return Fail(std::string("cannot pass the script on: ") + std::strerror(errno));
    }

    if (program.empty()) {
        // The home screen's programs start with the state as it is now.
        if (config.deviceId)
            if (auto error = PrepareState(config)) return Fail(*error);
        config.deviceId.reset();
        return terminal::RunHomeScreen(config, RunnerFolder());
    }

    config.Export();
    std::string name = options.program.substr(options.program.rfind('/') + 1);
    char* programArgv[] = {name.data(), nullptr};
    execv(program.c_str(), programArgv);
    return Fail("cannot start " + Excerpt(program) + ": " + std::strerror(errno));
}
