#include "wm/scripted_front_end.h"

#include "kernel/system.h"

namespace ce {

ScriptedFrontEnd::ScriptedFrontEnd(std::string script, std::FILE* errors, std::string errorPrefix)
    : script_(std::move(script)), errors_(errors), prefix_(std::move(errorPrefix)) {}

UserAction ScriptedFrontEnd::NextAction(const WindowManager&) {
    if (stopped_) return UserAction{};
    return script_.Next().value_or(UserAction{});
}

void ScriptedFrontEnd::Rejected(const UserAction& action, const std::string& why) {
    if (errors_)
        std::fprintf(errors_, "%sscript line %d: %s: %s; the run stops\n", prefix_.c_str(), action.line,
                     UserAction::Name(action.kind), why.c_str());
    stopped_ = true;
    failed_ = true;
}

void ScriptedFrontEnd::LeftOpen(const std::string& what) {
    // After a stop every open window closes this way; the stop was reported already.
    if (errors_ && !stopped_)
        std::fprintf(errors_, "%sthe script ended with %s still open; closing it as Cancel would\n",
                     prefix_.c_str(), what.c_str());
    failed_ = true;
}

void ScriptedFrontEnd::ProgramEnded() {
    if (stopped_) return;
    std::optional<UserAction> next = script_.Next();
    if (!next) return;
    const UserAction& unused = *next;
    System::Get().transcript.Emit(trace::Event("scriptUnused").Num("line", unused.line));
    if (errors_)
        std::fprintf(errors_, "%sscript line %d: %s: the program ended before this action; the rest of the script is unused\n",
                     prefix_.c_str(), unused.line, UserAction::Name(unused.kind));
    stopped_ = true;
    failed_ = true;
}

}  // namespace ce
