// The host's stand-in for the C runtime's start-up routine. Static
// initialisers (the program's application object and exit-time objects) have
// run when main starts; main brings the terminal up and calls WinMain. The
// destructions the program registered run when main returns, last registered
// first, while the terminal's services stay alive; the exit report below is
// constructed before every other static object, so it runs after them all.
#include <unistd.h>

#include <cstdio>
#include <string>

#include "afxwin.h"
#include "crt/oem.h"
#include "kernel/system.h"
#include "text/utf.h"
#include "wm/window_manager.h"

namespace {

class ExitReport {
public:
    void Arm(int code) {
        armed_ = true;
        code_ = code;
    }
    ~ExitReport() {
        if (!armed_) return;
        ce::System& sys = ce::System::Get();
        ce::FrontEnd* frontEnd = sys.windows->frontEnd();
        if (frontEnd) frontEnd->ProgramEnded();
        sys.transcript.Emit(ce::trace::Event("exit")
                                .Num("code", code_)
                                .Num("openHandles", static_cast<int64_t>(sys.handles.OpenCount()))
                                .Num("windows", static_cast<int64_t>(sys.windows->WindowCount())));
        sys.transcript.Flush();
        sys.transcript.DetachAll();
        std::fflush(nullptr);
        // A scripted run that stopped short, or left a window open, ends with 2.
        if (frontEnd && frontEnd->Failed()) _exit(2);
    }

private:
    bool armed_ = false;
    int code_ = 0;
};

ExitReport g_exitReport __attribute__((init_priority(101)));

}  // namespace

int main(int argc, char** argv) {
    // A terminal that could not come up runs nothing of the program, not
    // even its exit-time code.
    if (int status = OEMInit(argc, argv)) {
        std::fflush(nullptr);
        _exit(status);
    }
    std::u16string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += u' ';
        commandLine += ce::text::FromUtf8(argv[i]).value_or(u"");
    }
    g_exitReport.Arm(0);
    int code = WinMain(GetModuleHandleW(nullptr), nullptr, commandLine.data(), SW_SHOW);
    g_exitReport.Arm(code);
    return code;
}
