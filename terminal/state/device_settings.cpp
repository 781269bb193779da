#include "state/device_settings.h"

#include "text/excerpt.h"

namespace terminal {

namespace {

// The one line of a setting file, without its newline.
std::string_view Line(std::string_view content) {
    if (!content.empty() && content.back() == '\n') content.remove_suffix(1);
    return content;
}

// Digits only, no sign or space, at most `max`.
std::optional<uint64_t> ParseDecimal(std::string_view content, uint64_t max) {
    std::string_view line = Line(content);
    if (line.empty()) return std::nullopt;
    uint64_t v = 0;
    for (char c : line) {
        if (c < '0' || c > '9') return std::nullopt;
        uint64_t digit = static_cast<uint64_t>(c - '0');
        if (v > (max - digit) / 10) return std::nullopt;
        v = v * 10 + digit;
    }
    return v;
}

std::string Decimal(uint64_t v) { return std::to_string(v); }

}  // namespace

std::optional<bool> ParsePower(std::string_view content) {
    std::string_view line = Line(content);
    if (line == "on") return true;
    if (line == "off") return false;
    return std::nullopt;
}

std::optional<uint32_t> ParseLevel(std::string_view content) {
    auto v = ParseDecimal(content, 0xFFFFFFFFull);
    if (!v) return std::nullopt;
    return static_cast<uint32_t>(*v);
}

std::optional<uint64_t> ParseCount(std::string_view content) { return ParseDecimal(content, CountSetting::kMax); }

const SettingCodec<bool> kPowerCodec = {&ParsePower, [](bool on) { return std::string(on ? "on" : "off"); }, "on or off",
                                        false};
const SettingCodec<uint32_t> kLevelCodec = {&ParseLevel, [](uint32_t v) { return Decimal(v); },
                                            "a level from 0 to 4294967295", LevelSetting::kFactory};
const SettingCodec<uint64_t> kCountCodec = {&ParseCount, &Decimal, "a count from 0 to 9223372036854775807", 0};

template <typename T>
std::variant<std::optional<T>, std::string> Setting<T>::Parse(const StateDir::ReadResult& read) const {
    if (read.status == StateDir::ReadStatus::Missing) return std::optional<T>();
    if (read.status == StateDir::ReadStatus::Unreadable) return read.error;
    std::string_view content(reinterpret_cast<const char*>(read.bytes.data()), read.bytes.size());
    if (auto value = codec_.parse(content)) return value;
    return "the stored setting " + ce::text::Excerpt(dir_.FilePath(fileName_)) + " is damaged (\"" +
           ce::text::Excerpt(Line(content)) + "\"; it must hold " + codec_.expected +
           "): remove the file to start from the factory setting";
}

template <typename T>
std::variant<std::optional<T>, std::string> Setting<T>::Stored() const {
    return Parse(dir_.Read(fileName_));
}

template <typename T>
std::variant<T, std::string> Setting<T>::Load() const {
    auto stored = Stored();
    if (auto* error = std::get_if<std::string>(&stored)) return *error;
    return std::get<std::optional<T>>(stored).value_or(codec_.factory);
}

template <typename T>
std::optional<std::string> Setting<T>::Save(T value) const {
    std::string line = codec_.format(value) + "\n";
    return dir_.Replace(fileName_, std::vector<uint8_t>(line.begin(), line.end()));
}

template <typename T>
std::variant<T, std::string> Setting<T>::Update(const std::function<T(T)>& change) const {
    auto lock = dir_.Lock();
    if (auto* error = std::get_if<std::string>(&lock)) return *error;
    // Read again under the lock: another run may have changed it since.
    auto stored = Stored();
    if (auto* error = std::get_if<std::string>(&stored)) return *error;
    T next = change(std::get<std::optional<T>>(stored).value_or(codec_.factory));
    std::string line = codec_.format(next) + "\n";
    if (auto error = dir_.Replace(std::get<StateLock>(lock), fileName_, std::vector<uint8_t>(line.begin(), line.end())))
        return *error;
    return next;
}

template class Setting<bool>;
template class Setting<uint32_t>;
template class Setting<uint64_t>;

}  // namespace terminal
