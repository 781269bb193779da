// terminal-sim: checks the run's options, stores what is asked in the
// terminal's state, and starts the program with the terminal set up.
#include <fcntl.h>
#include <limits.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "fd_io.h"
#include "sim/options.h"
#include "sim/home_screen.h"
#include "sim/status.h"
#include "state/device_id_store.h"
#include "wm/script.h"

namespace {

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

std::optional<std::string> StoreDeviceId(const terminal::SimConfig& config, const terminal::DeviceIdBytes& id) {
    terminal::StateDir state(config.StatePath());
    if (auto error = state.Ensure()) return "terminal state: " + *error;
    return terminal::DeviceIdStore(state).Save(id);
}

}  // namespace

int main(int argc, char** argv) {
    auto parsed = terminal::ParseRunnerOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (auto* error = std::get_if<std::string>(&parsed)) return Fail(*error);
    auto options = std::get<terminal::RunnerOptions>(parsed);
    if (options.help) {
        std::fputs(terminal::RunnerHelp(), stdout);
        return 0;
    }

    if (options.status) {
        if (options.deviceId)
            if (auto error = StoreDeviceId(options.config, *options.deviceId)) return Fail(*error);
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
                    "terminal-sim --script FILE " + (options.program.empty() ? std::string("Velkin") : options.program) +
                    " (terminal-sim --help tells how)");
    if (!interactive && options.program.empty())
        return Fail("which program? terminal-sim --script FILE Velkin|Tarnell (terminal-sim --help tells more)");

    std::string program;
    if (!options.program.empty()) {
        program = ProgramPath(options.program);
        if (access(program.c_str(), X_OK) != 0)
            return Fail("no program " + options.program + " (" + program + ": " + std::strerror(errno) + ")");
    }

    std::string scriptText;
    if (!interactive) {
        if (*options.script == "-") {
            if (!terminal::ReadAll(0, scriptText)) return Fail("cannot read the script from standard input");
        } else {
            int fd = open(options.script->c_str(), O_RDONLY | O_CLOEXEC);
            if (fd < 0) return Fail("cannot read the script " + *options.script + ": " + std::strerror(errno));
            bool ok = terminal::ReadAll(fd, scriptText);
            int e = errno;
            close(fd);
            if (!ok) return Fail("cannot read the script " + *options.script + ": " + std::strerror(e));
        }
        if (auto error = ce::CheckScript(scriptText))
            return Fail("script " + (*options.script == "-" ? std::string("(standard input)") : *options.script) +
                        " line " + std::to_string(error->line) + ": " + error->message);
    }

    // The transcript where asked; otherwise, for a script, a readable account on standard output.
    terminal::SimConfig config = options.config;
    if (!options.transcript) {
        if (!interactive) config.narrationFd = 1;
    } else if (*options.transcript == "-") {
        config.transcriptFd = 1;
    } else {
        int fd = open(options.transcript->c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd < 0) return Fail("cannot write the transcript " + *options.transcript + ": " + std::strerror(errno));
        config.transcriptFd = fd;
    }
    if (!interactive) {
        config.scriptFd = ScriptFd(scriptText);
        if (config.scriptFd < 0) return Fail(std::string("cannot pass the script on: ") + std::strerror(errno));
    }

    // Everything checked: now the state may change.
    if (options.deviceId)
        if (auto error = StoreDeviceId(config, *options.deviceId)) return Fail(*error);

    if (program.empty()) return terminal::RunHomeScreen(config, RunnerFolder());

    config.Export();
    std::string name = options.program.substr(options.program.rfind('/') + 1);
    char* programArgv[] = {name.data(), nullptr};
    execv(program.c_str(), programArgv);
    return Fail("cannot start " + program + ": " + std::strerror(errno));
}
