#include "console/tty_guard.h"

#include <errno.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>

namespace ce::console::tty {

namespace {

volatile sig_atomic_t g_active = 0;
volatile sig_atomic_t g_resumed = 0;
volatile pid_t g_child = 0;
bool g_haveUserModes = false, g_haveScreenModes = false;
struct termios g_userModes, g_screenModes;

// What undoes every mode the screen turns on: mouse reports, bracketed
// paste, application cursor keys and keypad, colours, the hidden cursor,
// the alternate screen.
const char kRestoreSequence[] =
    "\033[?1000l\033[?1002l\033[?1003l\033[?1006l\033[?2004l\033[?1l\033>\033[0m\033[?25h\033[?1049l";

const int kStopSignals[] = {SIGTSTP, SIGTTIN, SIGTTOU};
const int kEndingSignals[] = {SIGHUP,  SIGINT,  SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM, SIGVTALRM,
                              SIGPROF, SIGXCPU, SIGXFSZ, SIGIO,   SIGPWR,  SIGSTKFLT};
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
// The sanitizer owns the crash signals, to report where the crash happened.
const int kCrashSignals[] = {0};
#else
const int kCrashSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS};
#endif
void Write(const char* bytes, size_t n) {
    while (n > 0) {
        ssize_t w = write(STDOUT_FILENO, bytes, n);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) return;
        bytes += w;
        n -= static_cast<size_t>(w);
    }
}

void Handle(int sig, void (*handler)(int), int flags) {
    struct sigaction sa;
    std::memset(&sa, 0, sizeof sa);
    sa.sa_handler = handler;
    // No stop while a handler runs; and with SIGTTOU blocked, setting the
    // terminal's modes works even once the shell has taken the terminal back.
    sigemptyset(&sa.sa_mask);
    for (int stop : kStopSignals) sigaddset(&sa.sa_mask, stop);
    sa.sa_flags = flags;  // no SA_RESTART: a read in progress returns, and the screen is drawn again
    sigaction(sig, &sa, nullptr);
}

void OnEndingSignal(int sig) {
    int saved = errno;
    // The program started from here goes first, and is waited for.
    if (pid_t child = g_child) {
        kill(child, sig);
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
        g_child = 0;
    }
    if (g_active) Restore();
    g_active = 0;
    // The default action, once this handler returns: the signal stays blocked till then.
    signal(sig, SIG_DFL);
    raise(sig);
    errno = saved;
}

void OnStopSignal(int sig) {
    int saved = errno;
    bool wasActive = g_active;
    if (wasActive) Restore();
    // The program started from here stops first, having given the terminal
    // back; it is not reaped here, so its end is still there to be waited for.
    if (pid_t child = g_child) {
        kill(child, sig);
        siginfo_t info;
        while (waitid(P_PID, child, &info, WSTOPPED | WEXITED | WNOWAIT) < 0 && errno == EINTR) {
        }
    }
    // Stop as the default action would, here and now. Raised while still
    // blocked, it merges with one already pending (the home screen's), so
    // the process stops once.
    signal(sig, SIG_DFL);
    raise(sig);
    sigset_t only, before;
    sigemptyset(&only);
    sigaddset(&only, sig);
    sigprocmask(SIG_UNBLOCK, &only, &before);
    // Continued (fg): the screen takes the terminal again.
    sigprocmask(SIG_SETMASK, &before, nullptr);
    Handle(sig, &OnStopSignal, 0);
    if (wasActive) {
        if (g_haveScreenModes) tcsetattr(STDIN_FILENO, TCSANOW, &g_screenModes);
        g_resumed = 1;
    }
    errno = saved;
}

}  // namespace

void RestoreUserModes() {
    if (g_haveUserModes) tcsetattr(STDIN_FILENO, TCSANOW, &g_userModes);
}

void Restore() {
    RestoreUserModes();
    Write(kRestoreSequence, sizeof kRestoreSequence - 1);
}

void Install() {
    g_haveUserModes = tcgetattr(STDIN_FILENO, &g_userModes) == 0;
    for (int sig : kEndingSignals) Handle(sig, &OnEndingSignal, SA_RESETHAND);
    for (int sig : kCrashSignals)
        if (sig) Handle(sig, &OnEndingSignal, SA_RESETHAND);
    for (int sig : kStopSignals) Handle(sig, &OnStopSignal, 0);
}

void SaveScreenModes() { g_haveScreenModes = tcgetattr(STDIN_FILENO, &g_screenModes) == 0; }

void SetActive(bool active) { g_active = active ? 1 : 0; }

void SetChild(pid_t child) { g_child = child; }

bool ResumePending() { return g_resumed != 0; }

bool TakeResumed() {
    if (!g_resumed) return false;
    g_resumed = 0;
    return true;
}

}  // namespace ce::console::tty
