#include "sim/status.h"

#include <cstdio>

#include "hal/terminal_hal.h"
#include "kernel/code_page.h"
#include "state/device_id_store.h"
#include "state/device_settings.h"
#include "text/utf.h"

namespace terminal {

namespace {

const char kNew[] = " (factory setting, nothing stored yet)";

std::string Row(const std::string& label, const std::string& value) {
    std::string row = "  " + label;
    row.resize(24, ' ');
    return row + value + "\n";
}

// The ID as the terminal's programs read it: up to the first zero byte,
// decoded in the code page, with control characters escaped.
std::string IdText(const DeviceIdBytes& id, unsigned codePage) {
    size_t n = 0;
    while (n < id.size() && id[n]) ++n;
    std::u16string wide(n, u'\0');
    ce::CodePages pages;
    int units = n ? pages.ToWide(codePage, reinterpret_cast<const char*>(id.data()), static_cast<int>(n), wide.data(),
                                 static_cast<int>(n))
                  : 0;
    wide.resize(units > 0 ? units : 0);
    std::string out = "\"";
    for (char16_t c : wide) {
        if (c < 0x20 || c == 0x7F) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\x%02x", static_cast<unsigned>(c));
            out += esc;
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else {
            out += ce::text::ToUtf8(std::u16string(1, c));
        }
    }
    return out + "\"";
}

std::string IdHex(const DeviceIdBytes& id) {
    size_t end = id.size();
    while (end > 0 && id[end - 1] == 0) --end;
    std::string hex;
    char byte[4];
    for (size_t i = 0; i < end; ++i) {
        std::snprintf(byte, sizeof byte, "%s%02x", i ? " " : "", id[i]);
        hex += byte;
    }
    if (end == id.size()) return hex;
    return hex + (end ? ", then " : "") + std::to_string(id.size() - end) + " zero bytes";
}

}  // namespace

StatusReport ReadStatus(const SimConfig& config) {
    StatusReport report;
    StateDir state(config.StatePath());
    report.text = "terminal state in " + state.path() + "\n";

    auto id = DeviceIdStore(state).Stored();
    if (auto* error = std::get_if<std::string>(&id)) {
        report.text += Row("device ID (FIO1:)", "cannot be used: " + *error);
        report.damaged = true;
    } else {
        const auto& stored = std::get<std::optional<DeviceIdBytes>>(id);
        DeviceIdBytes bytes = stored ? *stored : DeviceIdStore::Factory();
        report.text += Row("device ID (FIO1:)", IdText(bytes, config.codePage) + " in code page " +
                                                    std::to_string(config.codePage) + (stored ? "" : kNew));
        report.text += Row("", IdHex(bytes));
    }

    auto power = [&](const char* label, const char* file) {
        auto on = PowerSetting(state, file).Load();
        if (auto* error = std::get_if<std::string>(&on)) {
            report.damaged = true;
            return Row(label, "cannot be used: " + *error);
        }
        bool stored = state.Read(file).status == StateDir::ReadStatus::Ok;
        return Row(label, std::string(std::get<bool>(on) ? "on" : "off") + (stored ? "" : kNew));
    };
    report.text += power("GPRS modem (GPR1:)", kGprsPowerFile);

    auto level = LevelSetting(state, kBacklightFile).Load();
    if (auto* error = std::get_if<std::string>(&level)) {
        report.damaged = true;
        report.text += Row("backlight (BKL1:)", "cannot be used: " + *error);
    } else {
        bool stored = state.Read(kBacklightFile).status == StateDir::ReadStatus::Ok;
        report.text += Row("backlight (BKL1:)", "level " + std::to_string(std::get<uint32_t>(level)) + (stored ? "" : kNew));
    }

    report.text += power("WLAN module (SDH1:)", kWlanPowerFile);

    long suspends = TerminalHal::StoredSuspends(state);
    report.text += Row("HAL", "suspended " + std::to_string(suspends) + (suspends == 1 ? " time" : " times") +
                                  " at a program's exit");
    return report;
}

}  // namespace terminal
