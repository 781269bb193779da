// Kernel handles: small numbers standing for kernel objects. Values are never
// reused within a run, so a stale handle cannot reach a newer object.
#pragma once
#include <cstdint>
#include <map>
#include <memory>

#include "windows.h"

namespace ce {

class KernelObject {
public:
    virtual ~KernelObject() = default;
};

class HandleTable {
public:
    HANDLE Insert(std::unique_ptr<KernelObject> object);
    // Null for null, INVALID_HANDLE_VALUE, closed or unknown handles.
    KernelObject* Find(HANDLE handle) const;
    std::unique_ptr<KernelObject> Remove(HANDLE handle);
    size_t OpenCount() const { return objects_.size(); }

private:
    uintptr_t next_ = 0x40;
    std::map<uintptr_t, std::unique_ptr<KernelObject>> objects_;
};

}  // namespace ce
