#include "hal/terminal_hal.h"

#include <cstdio>
#include <string>

#include "kernel/system.h"

namespace terminal {

BOOL TerminalHal::IoControl(DWORD code, const BYTE* in, DWORD inSize, BYTE*, DWORD outSize, DWORD*) {
    if (refusing_ && (refusedCodes_.empty() || refusedCodes_.count(code))) {
        SetLastError(ERROR_GEN_FAILURE);
        return FALSE;
    }
    if (code != kPowerDown) {
        SetLastError(ERROR_NOT_SUPPORTED);
        return FALSE;
    }
    if (!in || inSize != 4 || outSize != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    ++suspends_;
    // The count is the simulator's record of suspends across runs, not the
    // device's answer: a count that can't be kept is told, and the terminal
    // suspends all the same.
    if (count_) {
        auto counted = count_->Increment();
        if (auto* error = std::get_if<std::string>(&counted))
            std::fprintf(stderr, "terminal: HAL: could not count the suspend: %s\n", error->c_str());
    }
    ce::System::Get().transcript.Emit(ce::trace::Event("suspend"));
    if (onSuspend_) {
        asleep_ = true;
        onSuspend_();
        asleep_ = false;
        ce::System::Get().transcript.Emit(ce::trace::Event("wake"));
    }
    return TRUE;
}

}  // namespace terminal
