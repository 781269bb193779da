#include "state/state_dir.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace terminal {

std::string StateDir::DefaultPath() {
    const char* xdg = std::getenv("XDG_STATE_HOME");
    if (xdg && *xdg) return std::string(xdg) + "/terminal-sim";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/state/terminal-sim";
}

std::optional<std::string> StateDir::Ensure() const {
    std::string partial;
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = path_.find('/', pos + 1);
        partial = path_.substr(0, pos);
        if (partial.empty()) continue;
        if (mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST)
            return "cannot create " + partial + ": " + std::strerror(errno);
    }
    struct stat st;
    if (stat(path_.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return path_ + " is not a folder";
    return std::nullopt;
}

StateDir::ReadResult StateDir::Read(const std::string& name) const {
    std::string file = FilePath(name);
    int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return {ReadStatus::Missing, {}, {}};
        return {ReadStatus::Unreadable, {}, "cannot read " + file + ": " + std::strerror(errno)};
    }
    std::vector<uint8_t> bytes;
    uint8_t buffer[4096];
    while (true) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int e = errno;
            close(fd);
            return {ReadStatus::Unreadable, {}, "cannot read " + file + ": " + std::strerror(e)};
        }
        if (n == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (bytes.size() > (1u << 20)) {
            close(fd);
            return {ReadStatus::Unreadable, {}, file + " is far too large for a state file"};
        }
    }
    close(fd);
    return {ReadStatus::Ok, std::move(bytes), {}};
}

std::optional<std::string> StateDir::Replace(const std::string& name, const std::vector<uint8_t>& bytes) const {
    std::string file = FilePath(name);
    std::string temp = file + ".new";
    int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return "cannot write " + temp + ": " + std::strerror(errno);
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int e = errno;
            close(fd);
            unlink(temp.c_str());
            return "cannot write " + temp + ": " + std::strerror(e);
        }
        done += n;
    }
    if (fsync(fd) != 0 || close(fd) != 0) {
        int e = errno;
        unlink(temp.c_str());
        return "cannot flush " + temp + ": " + std::strerror(e);
    }
    if (rename(temp.c_str(), file.c_str()) != 0) {
        int e = errno;
        unlink(temp.c_str());
        return "cannot replace " + file + ": " + std::strerror(e);
    }
    // Make the rename itself durable.
    int dir = open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return std::nullopt;
}

}  // namespace terminal
