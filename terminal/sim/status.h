// What the terminal's state folder holds, device by device, read without
// changing it: for terminal-sim --status and the home screen's panel.
#pragma once
#include <string>
#include <vector>

#include "device_text.h"
#include "sim_config.h"

namespace terminal {

struct StatusReport {
    std::string folder;
    std::vector<DeviceRow> rows;
    bool damaged = false;  // some file could not be used

    // The report as terminal-sim --status prints it.
    std::string Text() const;
};

StatusReport ReadStatus(const SimConfig& config);

}  // namespace terminal
