// The front end of scripted runs: the user's actions come from a script, and
// whatever does not fit is reported on the error stream with its line.
#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "wm/front_end.h"

namespace ce {

class ScriptedFrontEnd : public FrontEnd {
public:
    // errorPrefix starts each reported line ("terminal-sim: ").
    ScriptedFrontEnd(std::vector<UserAction> actions, std::FILE* errors, std::string errorPrefix);

    UserAction NextAction(const WindowManager& screen) override;
    void Rejected(const UserAction& action, const std::string& why) override;
    void LeftOpen(const std::string& what) override;
    void ProgramEnded() override;
    bool Failed() const override { return failed_; }

private:
    std::vector<UserAction> actions_;
    size_t next_ = 0;
    bool stopped_ = false;
    bool failed_ = false;
    std::FILE* errors_;
    std::string prefix_;
};

}  // namespace ce
