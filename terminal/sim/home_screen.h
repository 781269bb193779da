// The simulated terminal's home screen: the programs beside terminal-sim,
// one started at a time on the same screen, the home screen back when it
// ends.
#pragma once
#include <string>

#include "sim_config.h"

namespace terminal {

// Runs until the user turns the terminal off; the exit status.
int RunHomeScreen(const SimConfig& config, const std::string& programFolder);

}  // namespace terminal
