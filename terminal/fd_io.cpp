#include "fd_io.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "wm/script.h"

namespace terminal {

std::optional<std::string> ReadScript(int fd, std::string& out) {
    char buffer[65536];
    size_t lineStart = out.size();
    int line = 1;
    while (true) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::string("cannot be read: ") + std::strerror(errno);
        if (n == 0) return std::nullopt;
        size_t before = out.size();
        out.append(buffer, static_cast<size_t>(n));
        for (size_t i = before; i < out.size(); ++i) {
            if (out[i] != '\n') continue;
            if (i - lineStart > ce::kMaxScriptLineBytes) break;
            lineStart = i + 1;
            ++line;
        }
        if (out.size() - lineStart > ce::kMaxScriptLineBytes)
            return "line " + std::to_string(line) + " is over 1 MiB, the most one line of a script may hold";
        if (out.size() > ce::kMaxScriptBytes) return std::string("is over 16 MiB, the most a script may hold");
    }
}

}  // namespace terminal
