#include "hal/terminal_hal.h"

#include <string>

#include "kernel/system.h"

namespace terminal {

long TerminalHal::StoredSuspends(const StateDir& state) {
    auto read = state.Read(kSuspendFile);
    if (read.status != StateDir::ReadStatus::Ok) return 0;
    return std::strtol(std::string(read.bytes.begin(), read.bytes.end()).c_str(), nullptr, 10);
}

BOOL TerminalHal::IoControl(DWORD code, const BYTE* in, DWORD inSize, BYTE*, DWORD outSize, DWORD*) {
    if (refusing_) {
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
    // The count of suspends across runs, for whoever looks at the terminal's state.
    if (state_) {
        std::string count = std::to_string(StoredSuspends(*state_) + 1) + "\n";
        state_->Replace(kSuspendFile, std::vector<uint8_t>(count.begin(), count.end()));
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
