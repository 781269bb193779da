#include "terminal.h"

#include <cstdio>

#include "drivers/refusing_driver.h"
#include "kernel/system.h"
#include "text/excerpt.h"

namespace terminal {

namespace {

template <typename T>
std::optional<std::string> Take(std::variant<T, std::string> loaded, T& into) {
    if (auto* error = std::get_if<std::string>(&loaded)) return *error;
    into = std::get<T>(loaded);
    return std::nullopt;
}

}  // namespace

std::variant<TerminalState, std::string> LoadTerminalState(const SimConfig& config, const StateDir& state) {
    if (auto error = state.Ensure()) return "terminal state: " + *error;
    TerminalState s;
    if (auto error = Take(PowerSetting(state, kGprsPowerFile).Load(), s.gprsOn)) return *error;
    if (auto error = Take(LevelSetting(state, kBacklightFile).Load(), s.backlightLevel)) return *error;
    if (auto error = Take(PowerSetting(state, kWlanPowerFile).Load(), s.wlanOn)) return *error;
    if (auto error = Take(CountSetting(state, kSuspendFile).Load(), s.suspends)) return *error;
    // The ID last: it is the one file a run may write before the program starts.
    DeviceIdStore ids(state);
    if (config.deviceId) {
        if (auto error = ids.CheckReplaceable()) return *error;
        if (auto error = ids.Save(*config.deviceId)) return *error;
        s.id = *config.deviceId;
        return s;
    }
    if (auto error = Take(ids.Load(&s.createdFactoryId), s.id)) return *error;
    return s;
}

Terminal::Terminal(SimConfig config)
    : config_(std::move(config)),
      state_(config_.StatePath()),
      deviceIds_(state_),
      gprsPower_(state_, kGprsPowerFile),
      wlanPower_(state_, kWlanPowerFile),
      backlightLevel_(state_, kBacklightFile),
      suspendCount_(state_, kSuspendFile) {}

Terminal::~Terminal() = default;

void Terminal::Plug(const std::string& name, ce::StreamDriver& driver) {
    if (config_.absent.count(name)) return;
    ce::StreamDriver* plugged = &driver;
    if (auto refused = config_.refusing.find(name); refused != config_.refusing.end()) {
        wrappers_.push_back(std::make_unique<RefusingDriver>(driver, refused->second));
        plugged = wrappers_.back().get();
    }
    // "FIO1:" is prefix FIO, index 1.
    ce::System::Get().devices.Register(name.substr(0, 3), name[3] - '0', plugged);
}

std::optional<std::string> Terminal::PowerOn() {
    ce::System& sys = ce::System::Get();
    if (!sys.codePages.SetAnsi(config_.codePage))
        return "code page " + std::to_string(config_.codePage) + " is not supported on this host";
    for (const auto& [call, n] : config_.failCalls) sys.faults.FailCall(call, n);

    auto loaded = LoadTerminalState(config_, state_);
    if (auto* error = std::get_if<std::string>(&loaded)) return *error;
    const TerminalState& s = std::get<TerminalState>(loaded);
    if (s.createdFactoryId)
        std::fprintf(stderr, "terminal: no device ID stored in %s yet: the terminal starts with the factory ID \"%s\"\n",
                     ce::text::Excerpt(state_.path()).c_str(), reinterpret_cast<const char*>(DeviceIdStore::Factory().data()));

    identity_ = std::make_unique<IdentityDriver>(s.id, &deviceIds_);
    Plug("FIO1:", *identity_);
    gprs_ = std::make_unique<PowerSwitchDriver>("GPR1:", PowerSwitchDriver::kGprsPowerOn,
                                                PowerSwitchDriver::kGprsPowerOff, s.gprsOn, &gprsPower_);
    Plug("GPR1:", *gprs_);
    backlight_ = std::make_unique<BacklightDriver>(s.backlightLevel, &backlightLevel_);
    Plug("BKL1:", *backlight_);
    wlan_ = std::make_unique<PowerSwitchDriver>("SDH1:", PowerSwitchDriver::kWlanPowerOn,
                                                PowerSwitchDriver::kWlanPowerOff, s.wlanOn, &wlanPower_);
    Plug("SDH1:", *wlan_);

    if (!config_.absent.count("HAL")) {
        auto refused = config_.refusing.find("HAL");
        bool refusing = refused != config_.refusing.end();
        hal_ = std::make_unique<TerminalHal>(refusing, &suspendCount_, refusing ? refused->second : std::set<DWORD>());
        sys.hal = hal_.get();
    }
    sys.failFrameworkStartup = config_.failFrameworkStartup;
    return std::nullopt;
}

std::string Terminal::Behaviour(const std::string& name) const {
    if (config_.absent.count(name)) return " (absent)";
    auto refused = config_.refusing.find(name);
    if (refused == config_.refusing.end()) return "";
    if (refused->second.empty()) return " (refuses requests)";
    std::string codes;
    for (uint32_t c : refused->second) codes += (codes.empty() ? "" : ", ") + SimConfig::CodeText(c);
    return " (refuses " + codes + ")";
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
