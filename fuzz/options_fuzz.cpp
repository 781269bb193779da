// terminal-sim's options: the input is the arguments, split at zero bytes.
// Anything is either a run's options or one line saying what is wrong.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "sim/options.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> args(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            args.emplace_back();
        else
            args.back() += static_cast<char>(data[i]);
    }
    auto parsed = terminal::ParseRunnerOptions(args);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        // One line of plain text, however long or strange the input.
        if (error->empty() || error->size() > 4000) std::abort();
        for (unsigned char c : *error)
            if (c < 0x20 || c == 0x7F) std::abort();
    }
    return 0;
}
