// Reading a script from a file descriptor (a file or a pipe), within the
// limits a script has, retrying interrupted reads.
#pragma once
#include <optional>
#include <string>

namespace terminal {

// The whole script into `out`; otherwise why not ("line 3 is over 1 MiB,
// ..."), to follow the script's name. Stops reading at the first limit
// passed, so endless input costs no more than the limit.
std::optional<std::string> ReadScript(int fd, std::string& out);

}  // namespace terminal
