// Runs a command with the given standard input and environment additions,
// and collects its exit status and output.
#pragma once
#include <string>
#include <vector>

namespace test {

struct RunResult {
    int status = -1;  // the exit status, or 128 + signal
    std::string out;
    std::string err;
};

RunResult RunCommand(const std::vector<std::string>& argv, const std::string& input = "",
              const std::vector<std::string>& env = {});

// A fresh folder under /tmp, removed by the destructor.
class TempDir {
public:
    TempDir();
    ~TempDir();
    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

}  // namespace test
