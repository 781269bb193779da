// A fresh simulated terminal per test, its transcript recorded, with the
// identity driver plugged in as absent, refusing or accepting.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "drivers/identity_driver.h"
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

    terminal::IdentityDriver& PlugIdentity(Driver behaviour, const std::vector<uint8_t>& id = Bytes64("SIM00001")) {
        terminal::DeviceIdBytes bytes{};
        std::copy(id.begin(), id.begin() + 64, bytes.begin());
        identity = std::make_unique<terminal::IdentityDriver>(bytes, nullptr);
        refusing = std::make_unique<terminal::RefusingDriver>(*identity);
        if (behaviour == Driver::Accepting) sys->devices.Register("FIO", 1, identity.get());
        if (behaviour == Driver::Refusing) sys->devices.Register("FIO", 1, refusing.get());
        return *identity;
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
    std::unique_ptr<terminal::RefusingDriver> refusing;
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
