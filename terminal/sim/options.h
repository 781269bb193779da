// terminal-sim's command line.
#pragma once
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "sim_config.h"
#include "state/device_id_store.h"

namespace terminal {

struct RunnerOptions {
    bool help = false;
    bool status = false;                     // show the terminal's state; run nothing
    SimConfig config;                        // config.deviceId: to store before the program starts
    std::optional<std::string> script;       // a path, or "-" for standard input
    std::optional<std::string> transcript;   // a path, or "-" for standard output
    std::string program;                     // as given; empty: the home screen
};

// Parses and checks everything that can be checked without touching the
// terminal's state; one line saying what is wrong otherwise.
std::variant<RunnerOptions, std::string> ParseRunnerOptions(const std::vector<std::string>& args);

// The bytes of an ID given as hex digits ("41424300"), zero-filled to 64.
std::variant<DeviceIdBytes, std::string> DeviceIdFromHex(const std::string& hex);
// The bytes of an ID given as text, encoded in the code page, zero-filled to 64.
std::variant<DeviceIdBytes, std::string> DeviceIdFromText(const std::string& utf8, unsigned codePage);

const char* RunnerHelp();

}  // namespace terminal
