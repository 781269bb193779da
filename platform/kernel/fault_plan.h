// Calls told to fail, for testing how a program copes: the N-th call of a
// named kernel or framework call (CreateFileW, ...) fails as a kernel short
// of resources would. Calls are counted from the terminal's start.
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace ce {

class FaultPlan {
public:
    void FailCall(std::string call, uint64_t n) { plan_[std::move(call)].insert(n); }
    bool empty() const { return plan_.empty(); }

    // Counts one call; true when this one is to fail. `onFail` hears of it first.
    bool Trip(std::string_view call, const std::function<void(uint64_t n)>& onFail);

private:
    std::map<std::string, std::set<uint64_t>, std::less<>> plan_;
    std::map<std::string, uint64_t, std::less<>> counts_;
};

}  // namespace ce
