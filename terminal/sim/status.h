// terminal-sim --status: what the terminal's state folder holds, device by
// device, without changing it.
#pragma once
#include <string>

#include "sim_config.h"

namespace terminal {

struct StatusReport {
    std::string text;     // one line per device
    bool damaged = false; // some file could not be used
};

StatusReport ReadStatus(const SimConfig& config);

}  // namespace terminal
