#include "sim_config.h"

#include <cstdlib>

#include "kernel/code_page.h"
#include "state/state_dir.h"

namespace terminal {

namespace {

const char kState[] = "TERMINAL_SIM_STATE";
const char kAbsent[] = "TERMINAL_SIM_ABSENT";
const char kRefusing[] = "TERMINAL_SIM_REFUSE";
const char kCodePage[] = "TERMINAL_SIM_CODE_PAGE";
const char kScriptFd[] = "TERMINAL_SIM_SCRIPT_FD";
const char kTranscriptFd[] = "TERMINAL_SIM_TRANSCRIPT_FD";
const char kNarrationFd[] = "TERMINAL_SIM_NARRATION_FD";
const char kFailStartup[] = "TERMINAL_SIM_FAIL_STARTUP";

std::string Join(const std::set<std::string>& names) {
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : ",") + n;
    return out;
}

void SetOrClear(const char* name, const std::string& value, bool set) {
    if (set)
        setenv(name, value.c_str(), 1);
    else
        unsetenv(name);
}

bool ParseInt(const char* text, long min, long max, long& out) {
    if (!text || !*text) return false;
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (*end || v < min || v > max) return false;
    out = v;
    return true;
}

}  // namespace

const std::vector<std::string>& SimConfig::Devices() {
    static const std::vector<std::string> devices = {"FIO1:", "GPR1:", "BKL1:", "SDH1:", "HAL"};
    return devices;
}

bool SimConfig::KnownDevice(const std::string& name) {
    for (const auto& d : Devices())
        if (d == name) return true;
    return false;
}

std::string SimConfig::StatePath() const { return stateDir.empty() ? StateDir::DefaultPath() : stateDir; }

void SimConfig::Export() const {
    SetOrClear(kState, stateDir, !stateDir.empty());
    SetOrClear(kAbsent, Join(absent), !absent.empty());
    SetOrClear(kRefusing, Join(refusing), !refusing.empty());
    SetOrClear(kCodePage, std::to_string(codePage), true);
    SetOrClear(kScriptFd, std::to_string(scriptFd), scriptFd >= 0);
    SetOrClear(kTranscriptFd, std::to_string(transcriptFd), transcriptFd >= 0);
    SetOrClear(kNarrationFd, std::to_string(narrationFd), narrationFd >= 0);
    SetOrClear(kFailStartup, "1", failFrameworkStartup);
}

std::variant<SimConfig, std::string> SimConfig::FromEnvironment() {
    SimConfig c;
    if (const char* s = std::getenv(kState)) c.stateDir = s;
    for (auto [var, set] : {std::pair{kAbsent, &c.absent}, std::pair{kRefusing, &c.refusing}}) {
        const char* list = std::getenv(var);
        if (!list) continue;
        std::string names = list;
        size_t start = 0;
        while (start <= names.size()) {
            size_t comma = names.find(',', start);
            std::string name = names.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
            if (!name.empty()) {
                if (!KnownDevice(name)) return std::string(var) + " names an unknown driver \"" + name + "\"";
                set->insert(name);
            }
            if (comma == std::string::npos) break;
            start = comma + 1;
        }
    }
    long v = 0;
    if (const char* cp = std::getenv(kCodePage)) {
        if (!ParseInt(cp, 1, 65535, v) || !ce::CodePages::Supported(static_cast<unsigned>(v)))
            return std::string(kCodePage) + " is not a supported code page: " + cp;
        c.codePage = static_cast<unsigned>(v);
    }
    for (auto [var, fd] : {std::pair{kScriptFd, &c.scriptFd}, std::pair{kTranscriptFd, &c.transcriptFd},
                           std::pair{kNarrationFd, &c.narrationFd}}) {
        const char* text = std::getenv(var);
        if (!text) continue;
        if (!ParseInt(text, 0, 1 << 20, v)) return std::string(var) + " is not a file descriptor: " + text;
        *fd = static_cast<int>(v);
    }
    if (const char* fail = std::getenv(kFailStartup)) c.failFrameworkStartup = std::string(fail) == "1";
    return c;
}

}  // namespace terminal
