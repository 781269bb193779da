// Whole runs of Velkin through terminal-sim, with their transcripts.
#pragma once
#include <gtest/gtest.h>

#include "support/json_lines.h"
#include "support/run.h"
#include "support/sequence.h"

namespace test {

struct SimRun {
    RunResult result;
    std::vector<Event> events;
};

class SimTest : public ::testing::Test {
protected:
    // terminal-sim [extra...] --state DIR --transcript - --script - PROGRAM, with `script` as input.
    SimRun Sim(const std::vector<std::string>& extra, const std::string& script,
               const std::string& program = "Velkin") {
        std::vector<std::string> argv = {TERMINAL_SIM, "--state", state.path(), "--transcript", "-", "--script", "-"};
        argv.insert(argv.end(), extra.begin(), extra.end());
        argv.push_back(program);
        SimRun run{RunCommand(argv, script), {}};
        run.events = ParseTranscript(run.result.out);
        return run;
    }
    std::string StoredId() const { return ReadFile(state / "device-id"); }

    TempDir state;
};

inline std::string Id64(const std::string& prefix) {
    std::string id = prefix;
    id.resize(64, '\0');
    return id;
}

}  // namespace test
