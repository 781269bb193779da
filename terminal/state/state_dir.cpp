#include "state/state_dir.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

#include "kernel/system.h"
#include "text/excerpt.h"

namespace terminal {

namespace {

constexpr size_t kMaxStateFile = 1u << 20;
constexpr char kTemporaryMark[] = ".new.";
constexpr size_t kTemporarySuffix = 6;

std::string Shown(const std::string& path) { return ce::text::Excerpt(path); }

std::string Because(const std::string& what, const std::string& path, int error) {
    return what + " " + Shown(path) + ": " + std::strerror(error);
}

const char* KindOf(mode_t mode) {
    if (S_ISLNK(mode)) return "a symbolic link";
    if (S_ISFIFO(mode)) return "a FIFO";
    if (S_ISDIR(mode)) return "a folder";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "a device";
    if (S_ISSOCK(mode)) return "a socket";
    return "not a plain file";
}

std::string NotRegular(const std::string& path, mode_t mode) {
    return Shown(path) + " is " + KindOf(mode) + ", not a regular file: the terminal leaves it alone; remove it";
}

// The folder, opened so that every file in it is reached relative to it.
int OpenFolder(const std::string& path) { return open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }

struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) close(fd);
    }
};

bool WriteAll(int fd, const std::vector<uint8_t>& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string RandomSuffix() {
    static const char kChars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937_64 rng(std::random_device{}() ^ static_cast<uint64_t>(getpid()) << 32);
    std::string s;
    for (size_t i = 0; i < kTemporarySuffix; ++i) s += kChars[rng() % (sizeof kChars - 1)];
    return s;
}

void SleepMs(int ms) {
    timespec ts{ms / 1000, (ms % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) != 0 && errno == EINTR) {
    }
}

}  // namespace

StateLock::~StateLock() {
    if (fd_ >= 0) close(fd_);  // closing the lock file's descriptor releases the lock
}

std::string StateDir::DefaultPath() {
    const char* xdg = std::getenv("XDG_STATE_HOME");
    if (xdg && *xdg) return std::string(xdg) + "/terminal-sim";
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/state/terminal-sim";
}

bool StateDir::IsTemporaryName(const std::string& name) {
    size_t mark = name.rfind(kTemporaryMark);
    if (mark == std::string::npos || mark == 0) return false;
    size_t suffix = mark + sizeof kTemporaryMark - 1;
    if (name.size() - suffix != kTemporarySuffix) return false;
    for (size_t i = 0; i < mark; ++i)
        if (!((name[i] >= 'a' && name[i] <= 'z') || name[i] == '-')) return false;
    for (size_t i = suffix; i < name.size(); ++i)
        if (!std::isalnum(static_cast<unsigned char>(name[i]))) return false;
    return true;
}

std::optional<std::string> StateDir::Ensure() const {
    std::string partial;
    size_t pos = 0;
    while (pos != std::string::npos) {
        pos = path_.find('/', pos + 1);
        partial = path_.substr(0, pos);
        if (partial.empty()) continue;
        if (mkdir(partial.c_str(), 0755) != 0 && errno != EEXIST) return Because("cannot create", partial, errno);
    }
    struct stat st;
    if (stat(path_.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return Shown(path_) + " is not a folder";
    return std::nullopt;
}

StateDir::ReadResult StateDir::Read(const std::string& name) const {
    std::string file = FilePath(name);
    auto unreadable = [&](std::string why) { return ReadResult{ReadStatus::Unreadable, {}, std::move(why)}; };
    struct stat st;
    if (lstat(file.c_str(), &st) != 0) {
        if (errno == ENOENT) return {ReadStatus::Missing, {}, {}};
        return unreadable(Because("cannot read", file, errno));
    }
    if (!S_ISREG(st.st_mode)) return unreadable(NotRegular(file, st.st_mode));
    // Checked again on the open file: something else may have taken its place.
    Fd f{open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (f.fd < 0) {
        if (errno == ENOENT) return {ReadStatus::Missing, {}, {}};
        return unreadable(errno == ELOOP ? NotRegular(file, S_IFLNK) : Because("cannot read", file, errno));
    }
    if (fstat(f.fd, &st) != 0) return unreadable(Because("cannot read", file, errno));
    if (!S_ISREG(st.st_mode)) return unreadable(NotRegular(file, st.st_mode));
    std::vector<uint8_t> bytes;
    uint8_t buffer[4096];
    while (true) {
        ssize_t n = read(f.fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return unreadable(Because("cannot read", file, errno));
        if (n == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
        if (bytes.size() > kMaxStateFile) return unreadable(Shown(file) + " is far too large for a state file");
    }
    return {ReadStatus::Ok, std::move(bytes), {}};
}

std::variant<StateLock, std::string> StateDir::Lock() const {
    std::string file = FilePath(kLockFile);
    struct stat st;
    if (lstat(file.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) return NotRegular(file, st.st_mode);
    int fd = open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) return errno == ELOOP ? NotRegular(file, S_IFLNK) : Because("cannot lock the state folder with", file, errno);
    StateLock lock(fd);
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return NotRegular(file, st.st_mode);
    // Another run holds it only for the length of one store: wait, but not forever.
    for (int waited = 0;; waited += 5) {
        if (flock(fd, LOCK_EX | LOCK_NB) == 0) return lock;
        if (errno != EWOULDBLOCK && errno != EINTR) return Because("cannot lock the state folder with", file, errno);
        if (waited >= kLockWaitMs)
            return "another run has held the state folder's lock " + Shown(file) + " for " +
                   std::to_string(kLockWaitMs / 1000) + " s: is one stuck?";
        SleepMs(5);
    }
}

std::optional<std::string> StateDir::Replace(const std::string& name, const std::vector<uint8_t>& bytes) const {
    auto lock = Lock();
    if (auto* error = std::get_if<std::string>(&lock)) return *error;
    return Replace(std::get<StateLock>(lock), name, bytes);
}

void StateDir::RemoveStaleTemporaries(int dirFd) const {
    int scan = dup(dirFd);
    if (scan < 0) return;
    DIR* d = fdopendir(scan);
    if (!d) {
        close(scan);
        return;
    }
    // Under the lock no live run has a temporary file here: any is a killed run's.
    while (dirent* e = readdir(d))
        if (IsTemporaryName(e->d_name)) unlinkat(dirFd, e->d_name, 0);
    closedir(d);
}

std::optional<std::string> StateDir::Replace(const StateLock&, const std::string& name,
                                             const std::vector<uint8_t>& bytes) const {
    std::string file = FilePath(name);
    if (ce::System::Get().Trip("Store")) return "cannot store " + Shown(file) + ": the store was made to fail (--fail Store:N)";
    Fd dir{OpenFolder(path_)};
    if (dir.fd < 0) return Because("cannot open the state folder", path_, errno);
    RemoveStaleTemporaries(dir.fd);

    // A name of our own that nothing else holds: never an existing file or link.
    std::string temp;
    Fd f;
    for (int attempt = 0; f.fd < 0; ++attempt) {
        temp = name + kTemporaryMark + RandomSuffix();
        f.fd = openat(dir.fd, temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0644);
        if (f.fd < 0 && (errno != EEXIST || attempt > 100)) return Because("cannot write", FilePath(temp), errno);
    }
    // On failure the temporary goes, and the old file stays as it was.
    auto discard = [&](const char* what, const std::string& path) {
        int e = errno;
        unlinkat(dir.fd, temp.c_str(), 0);
        return Because(what, path, e);
    };
    if (!WriteAll(f.fd, bytes)) return discard("cannot write", FilePath(temp));
    if (fsync(f.fd) != 0) return discard("cannot flush", FilePath(temp));
    int fd = f.fd;
    f.fd = -1;
    if (close(fd) != 0) return discard("cannot flush", FilePath(temp));
    // A folder or other non-file in the way is damage to report, not to replace.
    struct stat st;
    if (fstatat(dir.fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(st.st_mode)) {
        unlinkat(dir.fd, temp.c_str(), 0);
        return NotRegular(file, st.st_mode);
    }
    if (renameat(dir.fd, temp.c_str(), dir.fd, name.c_str()) != 0) return discard("cannot replace", file);
    // Make the rename itself durable.
    fsync(dir.fd);
    return std::nullopt;
}

}  // namespace terminal
