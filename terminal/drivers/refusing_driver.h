// A driver told to refuse: it opens and closes as usual, and every request
// fails.
#pragma once
#include "kernel/stream_driver.h"

namespace terminal {

class RefusingDriver : public ce::StreamDriver {
public:
    explicit RefusingDriver(ce::StreamDriver& inner) : inner_(inner) {}

    DWORD Open(DWORD access, DWORD shareMode) override { return inner_.Open(access, shareMode); }
    BOOL IOControl(DWORD, DWORD, const BYTE*, DWORD, BYTE*, DWORD, DWORD*) override {
        SetLastError(ERROR_GEN_FAILURE);
        return FALSE;
    }
    BOOL Close(DWORD openContext) override { return inner_.Close(openContext); }

private:
    ce::StreamDriver& inner_;
};

}  // namespace terminal
