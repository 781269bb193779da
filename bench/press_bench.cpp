// The cost of one button press, apart from the driver: the window manager's
// dispatch, the message map, the handler, the device manager's open, request
// and close, and the transcript. Velkin's "确定" also converts the text;
// Tarnell's "Back Light=20" passes a level. The driver takes every request
// and does nothing with it.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>

#include "TarnellDlg.h"
#include "VelkinDlg.h"
#include "kernel/system.h"
#include "resources/module.h"
#include "console/canvas.h"
#include "console/terminal_view.h"
#include "trace/json_lines_sink.h"
#include "wm/window_manager.h"

namespace {

class NullDriver : public ce::StreamDriver {
public:
    DWORD Open(DWORD, DWORD) override { return 1; }
    BOOL IOControl(DWORD, DWORD, const BYTE*, DWORD, BYTE* out, DWORD outSize, DWORD*) override {
        if (out) std::memset(out, 'B', outSize);
        return TRUE;
    }
    BOOL Close(DWORD) override { return TRUE; }
};

// Presses the button once per benchmark iteration, then closes the dialog.
class PressingFrontEnd : public ce::FrontEnd {
public:
    PressingFrontEnd(benchmark::State& state, int button) : state_(state), button_(button) {}
    ce::UserAction NextAction(const ce::WindowManager&) override {
        ce::UserAction a;
        bool more = state_.KeepRunning();
        // The heap in use after the first press and after the last one.
        size_t inUse = mallinfo2().uordblks;
        if (presses_ == 1) heapAfterFirst = inUse;
        if (!more) heapAfterLast = inUse;
        ++presses_;
        a.kind = more ? ce::UserAction::Kind::Click : ce::UserAction::Kind::Cancel;
        a.id = button_;
        return a;
    }
    size_t heapAfterFirst = 0, heapAfterLast = 0;
    void Rejected(const ce::UserAction&, const std::string& why) override { state_.SkipWithError(why.c_str()); }
    void LeftOpen(const std::string&) override {}
    bool Failed() const override { return false; }

private:
    benchmark::State& state_;
    int button_;
    size_t presses_ = 0;
};

class BenchApp : public CWinApp {};

template <class Dialog>
void Press(benchmark::State& state, const char* resFile, const char* device, int button, bool transcript) {
    ce::System& sys = ce::System::Reset();
    std::ifstream in(resFile, std::ios::binary);
    ce::res::Module::UseImage({std::istreambuf_iterator<char>(in), {}});
    NullDriver driver;
    sys.devices.Register(device, 1, &driver);
    if (transcript) sys.transcript.Attach(std::make_shared<ce::trace::JsonLinesSink>(std::fopen("/dev/null", "w")));
    BenchApp app;
    app.SetCurrentHandles();
    PressingFrontEnd frontEnd(state, button);
    sys.windows->SetFrontEnd(&frontEnd);
    {
        Dialog dlg;
        app.m_pMainWnd = &dlg;
        dlg.DoModal();
    }
    if (sys.handles.OpenCount() != 0) state.SkipWithError("a handle was left open");
    state.counters["openHandles"] = static_cast<double>(sys.handles.OpenCount());
    state.counters["heapGrowthBytes"] =
        static_cast<double>(static_cast<long long>(frontEnd.heapAfterLast) - static_cast<long long>(frontEnd.heapAfterFirst));
    sys.windows->SetFrontEnd(nullptr);
    ce::System::Reset();
}

void BM_PressWithoutTranscript(benchmark::State& state) { Press<CVelkinDlg>(state, VELKIN_RES, "FIO", 1001, false); }
void BM_PressWithJsonTranscript(benchmark::State& state) { Press<CVelkinDlg>(state, VELKIN_RES, "FIO", 1001, true); }
void BM_BacklightWithoutTranscript(benchmark::State& state) { Press<CTarnellDlg>(state, TARNELL_RES, "BKL", 1002, false); }
void BM_BacklightWithJsonTranscript(benchmark::State& state) { Press<CTarnellDlg>(state, TARNELL_RES, "BKL", 1002, true); }

// One repaint of the interactive screen with Velkin's dialog up: the frame,
// the panel and the dialog onto a 100 x 30 canvas, as each input costs.
class RepaintingFrontEnd : public ce::FrontEnd {
public:
    explicit RepaintingFrontEnd(benchmark::State& state) : state_(state) {}
    ce::UserAction NextAction(const ce::WindowManager& screen) override {
        ce::UserAction a;
        if (!state_.KeepRunning()) {
            a.kind = ce::UserAction::Kind::Cancel;
            return a;
        }
        ce::console::Canvas canvas(100, 30);
        ce::console::FrameState frame;
        frame.hardware = {{u"device ID (FIO1:)", u"\"SIM00001\""}, {u"GPRS modem (GPR1:)", u"off"}};
        frame.debugOutput = u"SIM00001";
        ce::console::PaintFrame(canvas, frame);
        benchmark::DoNotOptimize(ce::console::PaintWindows(canvas, screen, edits_));
        // The focus stays where it is: the window manager has nothing to do.
        a.kind = ce::UserAction::Kind::Focus;
        a.id = 1000;
        return a;
    }
    void Rejected(const ce::UserAction&, const std::string& why) override { state_.SkipWithError(why.c_str()); }
    void LeftOpen(const std::string&) override {}
    bool Failed() const override { return false; }

private:
    benchmark::State& state_;
    std::map<HWND, ce::console::EditField> edits_;
};

void BM_RepaintVelkinScreen(benchmark::State& state) {
    ce::System& sys = ce::System::Reset();
    std::ifstream in(VELKIN_RES, std::ios::binary);
    ce::res::Module::UseImage({std::istreambuf_iterator<char>(in), {}});
    NullDriver driver;
    sys.devices.Register("FIO", 1, &driver);
    BenchApp app;
    app.SetCurrentHandles();
    RepaintingFrontEnd frontEnd(state);
    sys.windows->SetFrontEnd(&frontEnd);
    {
        CVelkinDlg dlg;
        app.m_pMainWnd = &dlg;
        dlg.DoModal();
    }
    sys.windows->SetFrontEnd(nullptr);
    ce::System::Reset();
}

BENCHMARK(BM_PressWithoutTranscript);
BENCHMARK(BM_PressWithJsonTranscript);
BENCHMARK(BM_BacklightWithoutTranscript);
BENCHMARK(BM_BacklightWithJsonTranscript);
BENCHMARK(BM_RepaintVelkinScreen);

}  // namespace

BENCHMARK_MAIN();
