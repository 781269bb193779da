// The script reader: any bytes are a script or one error naming a line.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "wm/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    auto error = ce::CheckScript(text);
    ce::ScriptReader reader(text);
    int lines = 0;
    while (auto action = reader.Next()) lines = action->line;
    // The checker and the reader agree on the first bad line.
    if (error.has_value() != reader.error().has_value()) std::abort();
    if (error && (error->line != reader.error()->line || error->line < lines || error->message.find('\n') != std::string::npos))
        std::abort();
    return 0;
}
