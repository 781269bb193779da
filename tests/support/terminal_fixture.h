// A fresh simulated terminal per test, its transcript recorded, with each
// driver plugged in as absent, refusing or accepting.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "drivers/backlight_driver.h"
#include "drivers/identity_driver.h"
#include "drivers/power_switch_driver.h"
#include "drivers/refusing_driver.h"
#include "hal/terminal_hal.h"
#include "kernel/system.h"
#include "support/sequence.h"

namespace test {

enum class Driver { Absent, Refusing, Accepting };

inline const char* Name(Driver d) {
    return d == Driver::Absent ? "absent" : d == Driver::Refusing ? "refusing" : "accepting";
}

class TerminalFixture : public ::testing::Test {
public:
    // The first handle a fresh terminal gives out; handles count up by 4.
    static constexpr int64_t kFirstHandle = 0x40;

protected:
    void SetUp() override {
        sys = &ce::System::Reset();
        recorder = std::make_shared<Recorder>();
        sys->transcript.Attach(recorder);
    }
    void TearDown() override { ce::System::Reset(); }

    // Registers `driver` under its name ("GPR1:") as it is, behind a refusing
    // wrapper, or not at all.
    void Plug(const std::string& name, ce::StreamDriver& driver, Driver behaviour) {
        ce::StreamDriver* plugged = &driver;
        if (behaviour == Driver::Absent) return;
        if (behaviour == Driver::Refusing) {
            refusing.push_back(std::make_unique<terminal::RefusingDriver>(driver));
            plugged = refusing.back().get();
        }
        sys->devices.Register(name.substr(0, 3), name[3] - '0', plugged);
    }

    terminal::IdentityDriver& PlugIdentity(Driver behaviour, const std::vector<uint8_t>& id = Bytes64("SIM00001")) {
        terminal::DeviceIdBytes bytes{};
        std::copy(id.begin(), id.begin() + 64, bytes.begin());
        identity = std::make_unique<terminal::IdentityDriver>(bytes, nullptr);
        Plug("FIO1:", *identity, behaviour);
        return *identity;
    }

    // The GPRS modem, the backlight and the WLAN module, all alike.
    void PlugRadios(Driver behaviour) {
        using terminal::PowerSwitchDriver;
        gprs = std::make_unique<PowerSwitchDriver>("GPR1:", PowerSwitchDriver::kGprsPowerOn,
                                                   PowerSwitchDriver::kGprsPowerOff, false, nullptr);
        backlight = std::make_unique<terminal::BacklightDriver>(80, nullptr);
        wlan = std::make_unique<PowerSwitchDriver>("SDH1:", PowerSwitchDriver::kWlanPowerOn,
                                                   PowerSwitchDriver::kWlanPowerOff, false, nullptr);
        Plug("GPR1:", *gprs, behaviour);
        Plug("BKL1:", *backlight, behaviour);
        Plug("SDH1:", *wlan, behaviour);
    }

    void PlugHal(bool refuse) {
        hal = std::make_unique<terminal::TerminalHal>(refuse, nullptr);
        sys->hal = hal.get();
    }

    std::vector<uint8_t> StoredId() const { return {identity->id().begin(), identity->id().end()}; }

    // The kernel calls of the run, in order.
    std::vector<Event> KernelCalls() const {
        return Only(recorder->events, {"CreateFileW", "DeviceIoControl", "CloseHandle", "KernelIoControl"});
    }

    ce::System* sys = nullptr;
    std::shared_ptr<Recorder> recorder;
    std::unique_ptr<terminal::IdentityDriver> identity;
    std::unique_ptr<terminal::PowerSwitchDriver> gprs;
    std::unique_ptr<terminal::BacklightDriver> backlight;
    std::unique_ptr<terminal::PowerSwitchDriver> wlan;
    std::vector<std::unique_ptr<terminal::RefusingDriver>> refusing;
    std::unique_ptr<terminal::TerminalHal> hal;
};

// The expected kernel calls of the identity driver.
inline Expect OpenFio(int64_t handle) {
    return Expect("CreateFileW")
        .Text("name", u"FIO1:")
        .Num("access", 0x80000000)
        .Num("share", 1)
        .Num("disposition", 4)
        .Num("attributes", 0x80)
        .Num("handle", handle);
}

inline Expect GetRequest(int64_t handle, const std::vector<uint8_t>& out, int result) {
    return Expect("DeviceIoControl")
        .Num("handle", handle)
        .Text("device", u"FIO1:")
        .Num("code", 0xF0072120)
        .Null("in")
        .Num("inSize", 0)
        .Num("outSize", 64)
        .Hex("out", out)
        .Bool("bytesReturned", true)
        .Num("result", result);
}

inline Expect PutRequest(int64_t handle, const std::vector<uint8_t>& in, int result) {
    return Expect("DeviceIoControl")
        .Num("handle", handle)
        .Text("device", u"FIO1:")
        .Num("code", 0xF0072124)
        .Hex("in", in)
        .Num("inSize", 64)
        .Num("outSize", 0)
        .Null("out")
        .Bool("bytesReturned", true)
        .Num("result", result);
}

inline Expect Close(int64_t handle) { return Expect("CloseHandle").Num("handle", handle).Num("result", 1); }

}  // namespace test
