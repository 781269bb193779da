#include "sim_config.h"

#include <cstdio>
#include <cstdlib>

#include "kernel/code_page.h"
#include "sim/options.h"
#include "state/state_dir.h"
#include "text/excerpt.h"

namespace terminal {

namespace {

const char kState[] = "TERMINAL_SIM_STATE";
const char kAbsent[] = "TERMINAL_SIM_ABSENT";
const char kRefusing[] = "TERMINAL_SIM_REFUSE";
const char kCodePage[] = "TERMINAL_SIM_CODE_PAGE";
const char kDeviceId[] = "TERMINAL_SIM_DEVICE_ID";
const char kFail[] = "TERMINAL_SIM_FAIL";
const char kScriptFd[] = "TERMINAL_SIM_SCRIPT_FD";
const char kTranscriptFd[] = "TERMINAL_SIM_TRANSCRIPT_FD";
const char kNarrationFd[] = "TERMINAL_SIM_NARRATION_FD";
const char kFailStartup[] = "TERMINAL_SIM_FAIL_STARTUP";

template <typename Items, typename Format>
std::string Join(const Items& items, Format format) {
    std::string out;
    for (const auto& item : items) out += (out.empty() ? "" : ",") + format(item);
    return out;
}

std::vector<std::string> Split(const std::string& list) {
    std::vector<std::string> items;
    size_t start = 0;
    while (start <= list.size()) {
        size_t comma = list.find(',', start);
        std::string item = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!item.empty()) items.push_back(item);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return items;
}

void SetOrClear(const char* name, const std::string& value, bool set) {
    if (set)
        setenv(name, value.c_str(), 1);
    else
        unsetenv(name);
}

// Decimal, or hex after "0x"; digits only, no sign.
std::optional<uint64_t> ParseUnsigned(const std::string& text, uint64_t max) {
    bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    std::string digits = hex ? text.substr(2) : text;
    if (digits.empty()) return std::nullopt;
    uint64_t v = 0, base = hex ? 16 : 10;
    for (char c : digits) {
        int d = (c >= '0' && c <= '9') ? c - '0' : !hex ? -1 : (c >= 'a' && c <= 'f') ? c - 'a' + 10 : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
        if (d < 0 || v > (max - d) / base) return std::nullopt;
        v = v * base + d;
    }
    return v;
}


std::string DeviceIdHex(const DeviceIdBytes& id) {
    std::string hex;
    char byte[3];
    for (uint8_t b : id) {
        std::snprintf(byte, sizeof byte, "%02x", b);
        hex += byte;
    }
    return hex;
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

const std::vector<std::string>& SimConfig::FailableCalls() {
    static const std::vector<std::string> calls = {"CreateFileW",         "DeviceIoControl",     "CloseHandle",
                                                   "KernelIoControl",     "WideCharToMultiByte", "MultiByteToWideChar",
                                                   "LoadIconW",           "DialogBoxParamW",     "Store"};
    return calls;
}

std::variant<std::pair<std::string, std::optional<uint32_t>>, std::string> SimConfig::ParseRefusal(const std::string& text) {
    for (const auto& device : Devices()) {
        if (text.compare(0, device.size(), device) != 0) continue;
        std::string rest = text.substr(device.size());
        if (rest.empty()) return std::pair{device, std::optional<uint32_t>()};
        if (rest[0] == ':') rest.erase(0, 1);
        auto code = ParseUnsigned(rest, 0xFFFFFFFFu);
        if (!code)
            return "\"" + ce::text::Excerpt(text) + "\": after " + device +
                   " comes the control code to refuse, such as 0xF0072120";
        return std::pair{device, std::optional<uint32_t>(static_cast<uint32_t>(*code))};
    }
    std::string known;
    for (const auto& d : Devices()) known += (known.empty() ? "" : ", ") + d;
    return "unknown driver \"" + ce::text::Excerpt(text) + "\" (known: " + known + ")";
}

std::variant<std::pair<std::string, uint64_t>, std::string> SimConfig::ParseFailCall(const std::string& text) {
    size_t colon = text.rfind(':');
    std::string call = text.substr(0, colon);
    bool known = false;
    for (const auto& c : FailableCalls()) known |= c == call;
    if (!known) {
        std::string list;
        for (const auto& c : FailableCalls()) list += (list.empty() ? "" : ", ") + c;
        return "unknown call \"" + ce::text::Excerpt(call) + "\" to fail (known: " + list + ")";
    }
    auto n = colon == std::string::npos ? std::nullopt : ParseUnsigned(text.substr(colon + 1), 1000000000);
    if (!n || *n == 0)
        return "\"" + ce::text::Excerpt(text) + "\": say which call of " + call + " fails, counting from 1 (" + call + ":1)";
    return std::pair{call, *n};
}

void SimConfig::Refuse(const std::string& name, std::optional<uint32_t> code) {
    auto it = refusing.find(name);
    if (!code)
        refusing[name].clear();  // every request, whatever was listed before
    else if (it == refusing.end())
        refusing[name] = {*code};
    else if (!it->second.empty())
        it->second.insert(*code);
}

std::string SimConfig::CodeText(uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", code);
    return text;
}

std::string SimConfig::StatePath() const { return stateDir.empty() ? StateDir::DefaultPath() : stateDir; }

void SimConfig::Export() const {
    SetOrClear(kState, stateDir, !stateDir.empty());
    SetOrClear(kAbsent, Join(absent, [](const std::string& n) { return n; }), !absent.empty());
    std::vector<std::string> refusals;
    for (const auto& [name, codes] : refusing) {
        std::string prefix = name.back() == ':' ? name : name + ":";
        if (codes.empty()) refusals.push_back(name);
        for (uint32_t code : codes) refusals.push_back(prefix + CodeText(code));
    }
    SetOrClear(kRefusing, Join(refusals, [](const std::string& r) { return r; }), !refusals.empty());
    SetOrClear(kCodePage, std::to_string(codePage), true);
    SetOrClear(kDeviceId, deviceId ? DeviceIdHex(*deviceId) : "", deviceId.has_value());
    SetOrClear(kFail, Join(failCalls, [](const auto& f) { return f.first + ":" + std::to_string(f.second); }),
               !failCalls.empty());
    SetOrClear(kScriptFd, std::to_string(scriptFd), scriptFd >= 0);
    SetOrClear(kTranscriptFd, std::to_string(transcriptFd), transcriptFd >= 0);
    SetOrClear(kNarrationFd, std::to_string(narrationFd), narrationFd >= 0);
    SetOrClear(kFailStartup, "1", failFrameworkStartup);
}

std::variant<SimConfig, std::string> SimConfig::FromEnvironment() {
    SimConfig c;
    auto bad = [](const char* var, const std::string& why) { return std::string(var) + ": " + why; };
    if (const char* s = std::getenv(kState)) c.stateDir = s;
    if (const char* list = std::getenv(kAbsent))
        for (const auto& name : Split(list)) {
            if (!KnownDevice(name)) return bad(kAbsent, "unknown driver \"" + ce::text::Excerpt(name) + "\"");
            c.absent.insert(name);
        }
    if (const char* list = std::getenv(kRefusing))
        for (const auto& item : Split(list)) {
            auto parsed = ParseRefusal(item);
            if (auto* error = std::get_if<std::string>(&parsed)) return bad(kRefusing, *error);
            const auto& [name, code] = std::get<0>(parsed);
            c.Refuse(name, code);
        }
    if (const char* list = std::getenv(kFail))
        for (const auto& item : Split(list)) {
            auto parsed = ParseFailCall(item);
            if (auto* error = std::get_if<std::string>(&parsed)) return bad(kFail, *error);
            c.failCalls.push_back(std::get<0>(parsed));
        }
    if (const char* cp = std::getenv(kCodePage)) {
        auto v = ParseUnsigned(cp, 65535);
        if (!v || !ce::CodePages::Supported(static_cast<unsigned>(*v)))
            return bad(kCodePage, "not a supported code page: " + ce::text::Excerpt(cp));
        c.codePage = static_cast<unsigned>(*v);
    }
    if (const char* hex = std::getenv(kDeviceId)) {
        auto id = DeviceIdFromHex(hex);
        if (auto* error = std::get_if<std::string>(&id)) return bad(kDeviceId, *error);
        c.deviceId = std::get<DeviceIdBytes>(id);
    }
    for (auto [var, fd] : {std::pair{kScriptFd, &c.scriptFd}, std::pair{kTranscriptFd, &c.transcriptFd},
                           std::pair{kNarrationFd, &c.narrationFd}}) {
        const char* text = std::getenv(var);
        if (!text) continue;
        auto v = ParseUnsigned(text, 1 << 20);
        if (!v) return bad(var, "not a file descriptor: " + ce::text::Excerpt(text));
        *fd = static_cast<int>(*v);
    }
    if (const char* fail = std::getenv(kFailStartup)) c.failFrameworkStartup = std::string(fail) == "1";
    return c;
}

}  // namespace terminal
