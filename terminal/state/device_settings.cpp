#include "state/device_settings.h"

#include <cstdlib>

namespace terminal {

namespace {

// The one line a setting file holds, without its newline; nothing when the
// file is not there yet; why it can't be read otherwise.
std::variant<std::optional<std::string>, std::string> ReadLine(const StateDir& dir, const std::string& name) {
    auto read = dir.Read(name);
    if (read.status == StateDir::ReadStatus::Missing) return std::optional<std::string>();
    if (read.status == StateDir::ReadStatus::Unreadable) return read.error;
    std::string line(read.bytes.begin(), read.bytes.end());
    if (!line.empty() && line.back() == '\n') line.pop_back();
    return std::optional<std::string>(line);
}

std::string Damaged(const StateDir& dir, const std::string& name, const std::string& line, const char* expected) {
    return "the stored setting " + dir.FilePath(name) + " is damaged (\"" + line.substr(0, 40) + "\"; it must hold " +
           expected + "): remove the file to start from the factory setting";
}

std::optional<std::string> WriteLine(const StateDir& dir, const std::string& name, const std::string& line) {
    std::string text = line + "\n";
    return dir.Replace(name, std::vector<uint8_t>(text.begin(), text.end()));
}

}  // namespace

std::variant<bool, std::string> PowerSetting::Load() const {
    auto read = ReadLine(dir_, fileName_);
    if (auto* error = std::get_if<std::string>(&read)) return *error;
    const auto& line = std::get<std::optional<std::string>>(read);
    if (!line) return false;
    if (*line == "on") return true;
    if (*line == "off") return false;
    return Damaged(dir_, fileName_, *line, "on or off");
}

std::optional<std::string> PowerSetting::Save(bool on) const { return WriteLine(dir_, fileName_, on ? "on" : "off"); }

std::variant<uint32_t, std::string> LevelSetting::Load() const {
    auto read = ReadLine(dir_, fileName_);
    if (auto* error = std::get_if<std::string>(&read)) return *error;
    const auto& line = std::get<std::optional<std::string>>(read);
    if (!line) return kFactory;
    bool digits = !line->empty() && line->size() <= 10;
    for (char c : *line) digits &= c >= '0' && c <= '9';
    unsigned long long v = digits ? std::strtoull(line->c_str(), nullptr, 10) : 0;
    if (!digits || v > 0xFFFFFFFFull) return Damaged(dir_, fileName_, *line, "a level from 0 to 4294967295");
    return static_cast<uint32_t>(v);
}

std::optional<std::string> LevelSetting::Save(uint32_t level) const {
    return WriteLine(dir_, fileName_, std::to_string(level));
}

}  // namespace terminal
