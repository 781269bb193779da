#include "fd_io.h"

#include <unistd.h>

#include <cerrno>

namespace terminal {

bool ReadAll(int fd, std::string& out) {
    char buffer[65536];
    while (true) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        out.append(buffer, n);
    }
}

}  // namespace terminal
