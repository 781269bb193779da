#include "kernel/fault_plan.h"

namespace ce {

bool FaultPlan::Trip(std::string_view call, const std::function<void(uint64_t n)>& onFail) {
    if (plan_.empty()) return false;
    auto count = counts_.find(call);
    if (count == counts_.end()) count = counts_.emplace(std::string(call), 0).first;
    uint64_t n = ++count->second;
    auto planned = plan_.find(call);
    if (planned == plan_.end() || !planned->second.count(n)) return false;
    if (onFail) onFail(n);
    return true;
}

}  // namespace ce
