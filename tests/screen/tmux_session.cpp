#include "screen/tmux_session.h"

#include <unistd.h>

#include <chrono>
#include <functional>
#include <sstream>
#include <thread>

#include "support/run.h"

namespace test {

namespace {

bool Poll(const std::function<bool()>& done) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return done();
}

}  // namespace

TmuxSession::TmuxSession(const std::string& command, int columns, int rows) {
    static int counter = 0;
    socket_ = "terminal-sim-test-" + std::to_string(getpid()) + "-" + std::to_string(++counter);
    Tmux({"new-session", "-d", "-x", std::to_string(columns), "-y", std::to_string(rows), "-s", "t",
          "env LANG=C.UTF-8 LC_ALL=C.UTF-8 sh -c '" + command + "'"});
}

TmuxSession::~TmuxSession() { Tmux({"kill-server"}); }

std::vector<std::string> TmuxSession::Tmux(std::vector<std::string> args) const {
    std::vector<std::string> argv = {"tmux", "-L", socket_, "-f", "/dev/null"};
    argv.insert(argv.end(), args.begin(), args.end());
    RunResult r = RunCommand(argv, "", {"LANG=C.UTF-8", "LC_ALL=C.UTF-8"});
    return {r.out};
}

void TmuxSession::Keys(const std::vector<std::string>& keys) {
    for (const auto& key : keys) {
        Tmux({"send-keys", "-t", "t", key});
        // One key at a time, as a person types: each is its own input.
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
}

void TmuxSession::Type(const std::string& text) { Tmux({"send-keys", "-t", "t", "-l", text}); }

void TmuxSession::Paste(const std::string& text) {
    Tmux({"set-buffer", "--", text});
    Tmux({"paste-buffer", "-p", "-t", "t"});
}

void TmuxSession::Resize(int columns, int rows) {
    Tmux({"resize-window", "-t", "t", "-x", std::to_string(columns), "-y", std::to_string(rows)});
}

std::string TmuxSession::Screen() const { return Tmux({"capture-pane", "-p", "-t", "t"})[0]; }

std::string TmuxSession::Format(const std::string& format) const {
    std::string out = Tmux({"display-message", "-p", "-t", "t", format})[0];
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

int TmuxSession::PanePid() const { return std::atoi(Format("#{pane_pid}").c_str()); }

std::vector<int> TmuxSession::Children(int pid) const {
    std::vector<int> children;
    std::istringstream in(ReadFile("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/children"));
    for (int child; in >> child;) children.push_back(child);
    return children;
}

bool TmuxSession::WaitFor(const std::string& text) const {
    return Poll([&] { return Screen().find(text) != std::string::npos; });
}

bool TmuxSession::WaitUntilGone(const std::string& text) const {
    return Poll([&] { return Screen().find(text) == std::string::npos; });
}

}  // namespace test
