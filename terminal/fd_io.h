// Reading a whole file descriptor, retrying interrupted reads.
#pragma once
#include <string>

namespace terminal {

bool ReadAll(int fd, std::string& out);

}  // namespace terminal
