// The OEM adaptation layer behind KernelIoControl.
#pragma once
#include "windows.h"

namespace ce {

class Hal {
public:
    virtual ~Hal() = default;
    virtual BOOL IoControl(DWORD code, const BYTE* in, DWORD inSize, BYTE* out, DWORD outSize,
                           DWORD* bytesReturned) = 0;
};

}  // namespace ce
