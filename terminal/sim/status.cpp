#include "sim/status.h"

#include "hal/terminal_hal.h"
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
    auto stored = [&](const char* file) { return state.Read(file).status == StateDir::ReadStatus::Ok; };

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

    auto power = [&](const char* label, const char* file) {
        auto on = PowerSetting(state, file).Load();
        if (auto* error = std::get_if<std::string>(&on))
            broken(label, *error);
        else
            report.rows.push_back({label, OnOff(std::get<bool>(on)) + std::string(stored(file) ? "" : kNew)});
    };
    power(kGprsLabel, kGprsPowerFile);

    auto level = LevelSetting(state, kBacklightFile).Load();
    if (auto* error = std::get_if<std::string>(&level))
        broken(kBacklightLabel, *error);
    else
        report.rows.push_back({kBacklightLabel, LevelText(std::get<uint32_t>(level)) +
                                                        (stored(kBacklightFile) ? "" : kNew)});

    power(kWlanLabel, kWlanPowerFile);

    long suspends = TerminalHal::StoredSuspends(state);
    report.rows.push_back(
        {kHalLabel, "suspended " + std::to_string(suspends) + (suspends == 1 ? " time" : " times") + " at a program's exit"});
    return report;
}

}  // namespace terminal
