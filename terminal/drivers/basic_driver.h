// What the terminal's drivers share: every open succeeds with a fresh open
// context, and a close has nothing to release.
#pragma once
#include "kernel/stream_driver.h"

namespace terminal {

class BasicDriver : public ce::StreamDriver {
public:
    DWORD Open(DWORD access, DWORD shareMode) override { return nextContext_++; }
    BOOL Close(DWORD openContext) override { return TRUE; }

private:
    DWORD nextContext_ = 1;
};

}  // namespace terminal
