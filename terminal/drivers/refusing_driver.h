// A driver told to refuse: it opens and closes as usual, and the requests it
// is told to refuse (every one, or some control codes) fail; the others
// reach the driver.
#pragma once
#include <set>

#include "kernel/stream_driver.h"

namespace terminal {

class RefusingDriver : public ce::StreamDriver {
public:
    // `codes` empty: every request.
    explicit RefusingDriver(ce::StreamDriver& inner, std::set<DWORD> codes = {}) : inner_(inner), codes_(std::move(codes)) {}

    DWORD Open(DWORD access, DWORD shareMode) override { return inner_.Open(access, shareMode); }
    BOOL IOControl(DWORD context, DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                   DWORD* actualOut) override {
        if (!codes_.empty() && !codes_.count(code)) return inner_.IOControl(context, code, in, inSize, out, outSize, actualOut);
        SetLastError(ERROR_GEN_FAILURE);
        return FALSE;
    }
    BOOL Close(DWORD openContext) override { return inner_.Close(openContext); }

private:
    ce::StreamDriver& inner_;
    std::set<DWORD> codes_;
};

}  // namespace terminal
