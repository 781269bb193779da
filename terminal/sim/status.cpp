#include "sim/status.h"

#include "state/device_id_store.h"
#include "state/device_settings.h"

namespace terminal {

namespace {

const char kNew[] = " (factory setting)";

}  // namespace

std::string StatusReport::Text() const {
    std::string text = "terminal state in " + folder + "\n";
    for (const auto& row : rows) {
        std::string line = "  " + row.label;
        line.resize(24, ' ');
        text += line + row.value + "\n";
    }
    return text;
}

StatusReport ReadStatus(const SimConfig& config) {
    StatusReport report;
    StateDir state(config.StatePath());
    report.folder = state.path();
    auto broken = [&](const std::string& label, const std::string& error) {
        report.damaged = true;
        report.rows.push_back({label, "cannot be used: " + error});
    };
    // A setting's row: its value as `show` tells it, marked when nothing is stored yet.
    auto row = [&](const char* label, const auto& setting, auto factory, auto show) {
        auto stored = setting.Stored();
        if (auto* error = std::get_if<std::string>(&stored)) return broken(label, *error);
        const auto& kept = std::get<0>(stored);
        report.rows.push_back({label, show(kept ? *kept : factory) + (kept ? "" : kNew)});
    };

    auto id = DeviceIdStore(state).Stored();
    if (auto* error = std::get_if<std::string>(&id)) {
        broken(kIdLabel, *error);
    } else {
        const auto& kept = std::get<std::optional<DeviceIdBytes>>(id);
        DeviceIdBytes bytes = kept ? *kept : DeviceIdStore::Factory();
        report.rows.push_back({kIdLabel, IdText(bytes, config.codePage) + " in code page " +
                                             std::to_string(config.codePage) + (kept ? "" : kNew)});
        report.rows.push_back({"", IdHex(bytes)});
    }
    auto onOff = [](bool on) { return std::string(OnOff(on)); };
    row(kGprsLabel, PowerSetting(state, kGprsPowerFile), kPowerCodec.factory, onOff);
    row(kBacklightLabel, LevelSetting(state, kBacklightFile), kLevelCodec.factory, LevelText);
    row(kWlanLabel, PowerSetting(state, kWlanPowerFile), kPowerCodec.factory, onOff);

    auto suspends = CountSetting(state, kSuspendFile).Load();
    if (auto* error = std::get_if<std::string>(&suspends)) {
        broken(kHalLabel, *error);
    } else {
        uint64_t n = std::get<uint64_t>(suspends);
        report.rows.push_back({kHalLabel, "suspended " + std::to_string(n) + (n == 1 ? " time" : " times") + " at a program's exit"});
    }
    return report;
}

}  // namespace terminal
