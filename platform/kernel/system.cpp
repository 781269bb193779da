#include "kernel/system.h"

#include "wm/window_manager.h"

namespace ce {

namespace {
System* g_system = nullptr;
}

System::System(Clock::Mode mode)
    : clock(mode),
      transcript([this] { return clock.Now(); }),
      windows(std::make_unique<WindowManager>()) {}

System::~System() = default;

bool System::Trip(std::string_view call) {
    return faults.Trip(call, [&](uint64_t n) {
        lastError = ERROR_NOT_ENOUGH_MEMORY;
        transcript.Emit(trace::Event("fault").Utf8("call", call).Num("n", static_cast<int64_t>(n)));
    });
}

System& System::Get() {
    if (!g_system) g_system = new System(Clock::Mode::Virtual);
    return *g_system;
}

System& System::Reset(Clock::Mode mode) {
    delete g_system;
    g_system = new System(mode);
    return *g_system;
}

}  // namespace ce
