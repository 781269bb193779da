// The identity driver "FIO1:": the terminal's 64-byte device ID, read with
// the get request and replaced with the put request.
#pragma once
#include "drivers/basic_driver.h"
#include "state/device_id_store.h"

namespace terminal {

class IdentityDriver : public BasicDriver {
public:
    static constexpr DWORD kGetDeviceId = 0xF0072120;
    static constexpr DWORD kPutDeviceId = 0xF0072124;

    IdentityDriver(DeviceIdBytes id, const DeviceIdStore* store) : id_(id), store_(store) {}

    BOOL IOControl(DWORD openContext, DWORD code, const BYTE* in, DWORD inSize, BYTE* out,
                   DWORD outSize, DWORD* actualOut) override;

    const DeviceIdBytes& id() const { return id_; }

private:
    DeviceIdBytes id_;
    const DeviceIdStore* store_;  // null: nothing persists
};

}  // namespace terminal
