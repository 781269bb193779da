#include "drivers/identity_driver.h"

#include <cstdio>
#include <cstring>

#include "kernel/system.h"

namespace terminal {

BOOL IdentityDriver::IOControl(DWORD, DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                               DWORD* actualOut) {
    if (code == kGetDeviceId) {
        if (inSize != 0 || !out || outSize != id_.size()) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        std::memcpy(out, id_.data(), id_.size());
        if (actualOut) *actualOut = static_cast<DWORD>(id_.size());
        return TRUE;
    }
    if (code == kPutDeviceId) {
        if (!in || inSize != id_.size() || outSize != 0) {
            SetLastError(ERROR_INVALID_PARAMETER);
            return FALSE;
        }
        DeviceIdBytes next;
        std::memcpy(next.data(), in, next.size());
        // The ID is taken only once it is safely stored.
        if (store_) {
            if (auto error = store_->Save(next)) {
                std::fprintf(stderr, "terminal: FIO1: could not store the device ID: %s\n", error->c_str());
                SetLastError(ERROR_GEN_FAILURE);
                return FALSE;
            }
        }
        id_ = next;
        ce::System::Get().transcript.Emit(
            ce::trace::Event("stored").Utf8("device", "FIO1:").Hex("id", id_.data(), id_.size()));
        if (actualOut) *actualOut = 0;
        return TRUE;
    }
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
}

}  // namespace terminal
