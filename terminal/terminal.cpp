#include "terminal.h"

#include <cstdio>

#include "drivers/refusing_driver.h"
#include "kernel/system.h"

namespace terminal {

Terminal::Terminal(SimConfig config)
    : config_(std::move(config)),
      state_(config_.StatePath()),
      deviceIds_(state_),
      gprsPower_(state_, kGprsPowerFile),
      wlanPower_(state_, kWlanPowerFile),
      backlightLevel_(state_, kBacklightFile) {}

Terminal::~Terminal() = default;

void Terminal::Plug(const std::string& name, ce::StreamDriver& driver) {
    if (config_.absent.count(name)) return;
    ce::StreamDriver* plugged = &driver;
    if (config_.refusing.count(name)) {
        wrappers_.push_back(std::make_unique<RefusingDriver>(driver));
        plugged = wrappers_.back().get();
    }
    // "FIO1:" is prefix FIO, index 1.
    ce::System::Get().devices.Register(name.substr(0, 3), name[3] - '0', plugged);
}

std::optional<std::string> Terminal::PowerOn() {
    ce::System& sys = ce::System::Get();
    if (!sys.codePages.SetAnsi(config_.codePage))
        return "code page " + std::to_string(config_.codePage) + " is not supported on this host";
    if (auto error = state_.Ensure()) return "terminal state: " + *error;

    bool created = false;
    auto id = deviceIds_.Load(&created);
    if (auto* error = std::get_if<std::string>(&id)) return *error;
    if (created)
        std::fprintf(stderr, "terminal: no device ID stored in %s yet: the terminal starts with the factory ID \"%s\"\n",
                     state_.path().c_str(), reinterpret_cast<const char*>(DeviceIdStore::Factory().data()));
    identity_ = std::make_unique<IdentityDriver>(std::get<DeviceIdBytes>(id), &deviceIds_);
    Plug("FIO1:", *identity_);

    auto gprsOn = gprsPower_.Load();
    if (auto* error = std::get_if<std::string>(&gprsOn)) return *error;
    gprs_ = std::make_unique<PowerSwitchDriver>("GPR1:", PowerSwitchDriver::kGprsPowerOn,
                                                PowerSwitchDriver::kGprsPowerOff, std::get<bool>(gprsOn), &gprsPower_);
    Plug("GPR1:", *gprs_);

    auto level = backlightLevel_.Load();
    if (auto* error = std::get_if<std::string>(&level)) return *error;
    backlight_ = std::make_unique<BacklightDriver>(std::get<uint32_t>(level), &backlightLevel_);
    Plug("BKL1:", *backlight_);

    auto wlanOn = wlanPower_.Load();
    if (auto* error = std::get_if<std::string>(&wlanOn)) return *error;
    wlan_ = std::make_unique<PowerSwitchDriver>("SDH1:", PowerSwitchDriver::kWlanPowerOn,
                                                PowerSwitchDriver::kWlanPowerOff, std::get<bool>(wlanOn), &wlanPower_);
    Plug("SDH1:", *wlan_);

    if (!config_.absent.count("HAL")) {
        hal_ = std::make_unique<TerminalHal>(config_.refusing.count("HAL") > 0, &state_);
        sys.hal = hal_.get();
    }
    sys.failFrameworkStartup = config_.failFrameworkStartup;
    return std::nullopt;
}

}  // namespace terminal

namespace terminal {

std::string Terminal::Behaviour(const std::string& name) const {
    if (config_.absent.count(name)) return " (absent)";
    if (config_.refusing.count(name)) return " (refuses requests)";
    return "";
}

std::vector<DeviceRow> Terminal::Rows() const {
    std::vector<DeviceRow> rows;
    if (identity_) {
        rows.push_back({kIdLabel, IdText(identity_->id(), config_.codePage) + Behaviour("FIO1:")});
        rows.push_back({"", IdHex(identity_->id())});
    }
    if (gprs_) rows.push_back({kGprsLabel, OnOff(gprs_->on()) + Behaviour("GPR1:")});
    if (backlight_) rows.push_back({kBacklightLabel, LevelText(backlight_->level()) + Behaviour("BKL1:")});
    if (wlan_) rows.push_back({kWlanLabel, OnOff(wlan_->on()) + Behaviour("SDH1:")});
    std::string hal = !hal_ ? "" : hal_->asleep() ? "suspended" : hal_->suspends() ? "suspended, woken" : "awake";
    rows.push_back({kHalLabel, hal + Behaviour("HAL")});
    return rows;
}

}  // namespace terminal
