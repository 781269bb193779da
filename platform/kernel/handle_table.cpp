#include "kernel/handle_table.h"

namespace ce {

HANDLE HandleTable::Insert(std::unique_ptr<KernelObject> object) {
    uintptr_t value = next_;
    next_ += 4;
    objects_.emplace(value, std::move(object));
    return reinterpret_cast<HANDLE>(value);
}

KernelObject* HandleTable::Find(HANDLE handle) const {
    auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
    return it == objects_.end() ? nullptr : it->second.get();
}

std::unique_ptr<KernelObject> HandleTable::Remove(HANDLE handle) {
    auto it = objects_.find(reinterpret_cast<uintptr_t>(handle));
    if (it == objects_.end()) return nullptr;
    auto object = std::move(it->second);
    objects_.erase(it);
    return object;
}

}  // namespace ce
