// How a run of the simulated terminal is set up. The runner fills it from
// its options and hands it to the program through the environment; a
// program started directly finds nothing there and runs with the defaults.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "state/device_id_store.h"

namespace terminal {

struct SimConfig {
    std::string stateDir;            // empty: the default folder
    std::set<std::string> absent;    // driver names ("FIO1:") or "HAL"
    // Refusing drivers, each with the control codes it refuses; none listed: every request.
    std::map<std::string, std::set<uint32_t>> refusing;
    unsigned codePage = 936;
    std::optional<DeviceIdBytes> deviceId;  // stored once the whole state is found sound
    std::vector<std::pair<std::string, uint64_t>> failCalls;  // the N-th call of each fails
    int scriptFd = -1;               // the script, read whole; -1: interactive
    int transcriptFd = -1;           // JSON Lines transcript; -1: none
    int narrationFd = -1;            // readable account of the run; -1: none
    bool failFrameworkStartup = false;

    // The drivers and the HAL that can be made absent or refusing.
    static const std::vector<std::string>& Devices();
    static bool KnownDevice(const std::string& name);
    // The calls that --fail can make fail.
    static const std::vector<std::string>& FailableCalls();

    // "FIO1:" (every request) or "FIO1:0xF0072120" (that code only; "HAL:CODE" for the HAL).
    static std::variant<std::pair<std::string, std::optional<uint32_t>>, std::string> ParseRefusal(const std::string& text);
    // "CreateFileW:2": the second call of CreateFileW.
    static std::variant<std::pair<std::string, uint64_t>, std::string> ParseFailCall(const std::string& text);

    // Makes `name` refuse `code`, or every request; every request wins.
    void Refuse(const std::string& name, std::optional<uint32_t> code);
    // A control code as it is written in options and messages: "0xF0072120".
    static std::string CodeText(uint32_t code);
    bool Refuses(const std::string& device) const { return refusing.count(device) > 0; }
    std::string StatePath() const;
    void Export() const;
    static std::variant<SimConfig, std::string> FromEnvironment();
};

}  // namespace terminal
