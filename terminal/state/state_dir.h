// The terminal's persisted state: one small file per device in a folder.
//
// Every store writes a temporary file of its own (created exclusively, never
// through a link), flushes it, renames it over the old file and flushes the
// folder, so a store cut short leaves the old file and a reader never sees a
// partial one. One lock file per folder serializes the stores of every run
// on it, and the read-modify-writes (the suspend count). A state file that is
// not a regular file (a link, a FIFO, a device, a folder) is never opened in
// a way that could block or write through it: it reads as unusable.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace terminal {

class StateDir;

// The folder's lock, held from Lock() until destroyed.
class StateLock {
public:
    StateLock(StateLock&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    StateLock& operator=(StateLock&&) = delete;
    ~StateLock();

private:
    friend class StateDir;
    explicit StateLock(int fd) : fd_(fd) {}
    int fd_;
};

class StateDir {
public:
    explicit StateDir(std::string path) : path_(std::move(path)) {}

    // The default folder: $XDG_STATE_HOME/terminal-sim, else ~/.local/state/terminal-sim.
    static std::string DefaultPath();
    // The lock file in the folder, and the pattern of the temporary files.
    static constexpr const char* kLockFile = ".lock";
    static bool IsTemporaryName(const std::string& name);
    // How long a store waits for a lock that another run holds.
    static constexpr int kLockWaitMs = 10000;

    const std::string& path() const { return path_; }
    std::string FilePath(const std::string& name) const { return path_ + "/" + name; }

    // Creates the folder and its parents; the reason on failure.
    std::optional<std::string> Ensure() const;

    enum class ReadStatus { Ok, Missing, Unreadable };
    struct ReadResult {
        ReadStatus status;
        std::vector<uint8_t> bytes;
        std::string error;  // Unreadable: why, naming the file
    };
    // Reads a whole state file without following a link or blocking.
    ReadResult Read(const std::string& name) const;

    // Waits for the folder's lock (the folder must exist); why not otherwise.
    std::variant<StateLock, std::string> Lock() const;

    // Replaces a file with `bytes`, holding the lock for this one store.
    std::optional<std::string> Replace(const std::string& name, const std::vector<uint8_t>& bytes) const;
    // The same, for a caller that holds the lock already.
    std::optional<std::string> Replace(const StateLock& held, const std::string& name,
                                       const std::vector<uint8_t>& bytes) const;

private:
    // Removes temporary files that a run killed during a store left behind.
    void RemoveStaleTemporaries(int dirFd) const;

    std::string path_;
};

}  // namespace terminal
