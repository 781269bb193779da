// Reads a JSON Lines transcript back into events: numbers, booleans, null
// and strings (bytes come back as their hex text).
#pragma once
#include <string>
#include <vector>

#include "trace/event.h"

namespace test {

// Stops the test with a failure at the first line that is not a flat JSON object.
std::vector<ce::trace::Event> ParseTranscript(const std::string& jsonLines);

}  // namespace test
