// A version resource (VS_VERSIONINFO): the fixed file information and the
// string and translation blocks under it.
#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace ce::res {

struct FixedFileInfo {
    uint32_t signature = 0, structVersion = 0;
    uint32_t fileVersionMS = 0, fileVersionLS = 0;
    uint32_t productVersionMS = 0, productVersionLS = 0;
    uint32_t fileFlagsMask = 0, fileFlags = 0, fileOS = 0, fileType = 0, fileSubtype = 0;
    uint32_t fileDateMS = 0, fileDateLS = 0;
};

struct VersionInfo {
    FixedFileInfo fixed;
    // Block key ("040904e4") -> string name -> value.
    std::map<std::u16string, std::map<std::u16string, std::u16string>> strings;
    // (language, code page) pairs of the Translation value.
    std::vector<std::pair<uint16_t, uint16_t>> translations;
};

std::optional<VersionInfo> ParseVersionInfo(const std::vector<uint8_t>& data);

}  // namespace ce::res
