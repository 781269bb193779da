#include "drivers/backlight_driver.h"

#include <cstdio>

#include "kernel/system.h"

namespace terminal {

BOOL BacklightDriver::IOControl(DWORD, DWORD code, const BYTE* in, DWORD inSize, BYTE*, DWORD outSize,
                                DWORD* actualOut) {
    if (code != kSetLevel) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    if (!in || inSize != 4 || outSize != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    uint32_t level = uint32_t(in[0]) | uint32_t(in[1]) << 8 | uint32_t(in[2]) << 16 | uint32_t(in[3]) << 24;
    if (store_) {
        if (auto error = store_->Save(level)) {
            std::fprintf(stderr, "terminal: BKL1: could not store the level: %s\n", error->c_str());
            SetLastError(ERROR_GEN_FAILURE);
            return FALSE;
        }
    }
    level_ = level;
    ce::System::Get().transcript.Emit(ce::trace::Event("stored").Utf8("device", "BKL1:").Num("level", level));
    if (actualOut) *actualOut = 0;
    return TRUE;
}

}  // namespace terminal
