// An open stream driver: what a handle from CreateFileW stands for.
#pragma once
#include <string>

#include "kernel/handle_table.h"
#include "kernel/stream_driver.h"

namespace ce {

struct DeviceFile : KernelObject {
    DeviceFile(StreamDriver* d, std::string name, DWORD context)
        : driver(d), deviceName(std::move(name)), openContext(context) {}
    StreamDriver* driver;
    std::string deviceName;
    DWORD openContext;
};

}  // namespace ce
