// The front end of scripted runs: the user's actions come from a script, and
// whatever does not fit is reported on the error stream with its line.
#pragma once
#include <cstdio>
#include <string>

#include "wm/front_end.h"
#include "wm/script.h"

namespace ce {

class ScriptedFrontEnd : public FrontEnd {
public:
    // The script must have been checked (CheckScript); errorPrefix starts
    // each reported line ("terminal-sim: ").
    ScriptedFrontEnd(std::string script, std::FILE* errors, std::string errorPrefix);

    UserAction NextAction(const WindowManager& screen) override;
    void Rejected(const UserAction& action, const std::string& why) override;
    void LeftOpen(const std::string& what) override;
    void ProgramEnded() override;
    bool Failed() const override { return failed_; }

private:
    ScriptReader script_;
    bool stopped_ = false;
    bool failed_ = false;
    std::FILE* errors_;
    std::string prefix_;
};

}  // namespace ce
