// The terminal's persisted state: one small file per device in a folder.
// Files are replaced atomically, so a write cut short leaves the old one.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace terminal {

class StateDir {
public:
    explicit StateDir(std::string path) : path_(std::move(path)) {}

    // The default folder: $XDG_STATE_HOME/terminal-sim, else ~/.local/state/terminal-sim.
    static std::string DefaultPath();

    const std::string& path() const { return path_; }
    std::string FilePath(const std::string& name) const { return path_ + "/" + name; }

    // Creates the folder and its parents; the reason on failure.
    std::optional<std::string> Ensure() const;

    enum class ReadStatus { Ok, Missing, Unreadable };
    struct ReadResult {
        ReadStatus status;
        std::vector<uint8_t> bytes;
        std::string error;
    };
    ReadResult Read(const std::string& name) const;

    // Writes a new file beside the old one, flushes it to disk and renames it
    // over the old one. The reason on failure; the old file is then intact.
    std::optional<std::string> Replace(const std::string& name, const std::vector<uint8_t>& bytes) const;

private:
    std::string path_;
};

}  // namespace terminal
