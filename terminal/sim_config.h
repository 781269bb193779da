// How a run of the simulated terminal is set up. The runner fills it from
// its options and hands it to the program through the environment; a
// program started directly finds nothing there and runs with the defaults.
#pragma once
#include <set>
#include <string>
#include <variant>
#include <vector>

namespace terminal {

struct SimConfig {
    std::string stateDir;            // empty: the default folder
    std::set<std::string> absent;    // driver names ("FIO1:") or "HAL"
    std::set<std::string> refusing;
    unsigned codePage = 936;
    int scriptFd = -1;               // the script, read whole; -1: interactive
    int transcriptFd = -1;           // JSON Lines transcript; -1: none
    int narrationFd = -1;            // readable account of the run; -1: none
    bool failFrameworkStartup = false;

    // The drivers and the HAL that can be made absent or refusing.
    static const std::vector<std::string>& Devices();
    static bool KnownDevice(const std::string& name);

    std::string StatePath() const;
    void Export() const;
    static std::variant<SimConfig, std::string> FromEnvironment();
};

}  // namespace terminal
