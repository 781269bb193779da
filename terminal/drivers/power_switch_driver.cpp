#include "drivers/power_switch_driver.h"

#include <cstdio>

#include "kernel/system.h"

namespace terminal {

BOOL PowerSwitchDriver::IOControl(DWORD, DWORD code, const BYTE*, DWORD inSize, BYTE*, DWORD outSize,
                                  DWORD* actualOut) {
    if (code != onCode_ && code != offCode_) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    if (inSize != 0 || outSize != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    bool on = code == onCode_;
    // The module switches only once its new state is safely stored.
    if (store_) {
        if (auto error = store_->Save(on)) {
            std::fprintf(stderr, "terminal: %s could not store its power state: %s\n", deviceName_.c_str(),
                         error->c_str());
            SetLastError(ERROR_GEN_FAILURE);
            return FALSE;
        }
    }
    on_ = on;
    ce::System::Get().transcript.Emit(
        ce::trace::Event("stored").Utf8("device", deviceName_).Utf8("power", on ? "on" : "off"));
    if (actualOut) *actualOut = 0;
    return TRUE;
}

}  // namespace terminal
