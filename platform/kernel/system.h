// The services of one running terminal, in one place so that a test can start
// from a fresh terminal. Never destroyed during exit: the exit-time code of a
// program still finds every service alive.
#pragma once
#include <memory>

#include "kernel/clock.h"
#include "kernel/code_page.h"
#include "kernel/debug_output.h"
#include "kernel/device_manager.h"
#include "kernel/fault_plan.h"
#include "kernel/hal.h"
#include "kernel/handle_table.h"
#include "trace/transcript.h"

namespace ce {

class WindowManager;

class System {
public:
    static System& Get();
    // Replaces the running terminal with a fresh one (tests).
    static System& Reset(Clock::Mode mode = Clock::Mode::Virtual);

    explicit System(Clock::Mode mode);
    ~System();

    Clock clock;
    trace::Transcript transcript;
    HandleTable handles;
    DeviceManager devices;
    CodePages codePages;
    DebugOutput debug;
    Hal* hal = nullptr;  // none: KernelIoControl is not supported
    std::unique_ptr<WindowManager> windows;
    bool failFrameworkStartup = false;  // fault injection: AfxWinInit fails
    FaultPlan faults;
    DWORD lastError = 0;

    // Counts a call of `call` for the fault plan: true when this one is to
    // fail; the transcript is told, and the last error is set as a kernel
    // short of memory would set it.
    bool Trip(std::string_view call);
};

}  // namespace ce
