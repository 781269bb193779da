// A stream driver's entry points, as the device manager calls them.
#pragma once
#include "windows.h"

namespace ce {

class StreamDriver {
public:
    virtual ~StreamDriver() = default;
    // Returns an open context, or 0 when the open is refused.
    virtual DWORD Open(DWORD access, DWORD shareMode) = 0;
    virtual BOOL IOControl(DWORD openContext, DWORD code, const BYTE* in, DWORD inSize, BYTE* out,
                           DWORD outSize, DWORD* actualOut) = 0;
    virtual BOOL Close(DWORD openContext) = 0;
};

}  // namespace ce
