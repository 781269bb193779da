// The running executable as a resource module: the compiled resources linked
// into it, found by type, name and language, and the icons loaded from them.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "resources/icon_group.h"
#include "resources/res_file.h"

namespace ce::res {

struct LoadedIcon {
    ResId group;
    std::vector<IconGroupImage> images;
};

class Module {
public:
    // The executable's own module, from the resources linked into it.
    static Module& Current();
    // Replaces the current module's resources with a .res image (tests).
    static bool UseImage(const std::vector<uint8_t>& resImage);

    HINSTANCE Instance() const;
    // The first entry of that type and name, in any language.
    const ResourceEntry* Find(const ResId& type, const ResId& name) const;

    // One handle per icon group for the life of the process, as shared icons are.
    HICON LoadIcon(const ResId& group);
    const LoadedIcon* IconOf(HICON icon) const;

private:
    explicit Module(const uint8_t* data, size_t size);
    bool valid_ = false;
    std::vector<ResourceEntry> entries_;
    std::vector<std::unique_ptr<LoadedIcon>> icons_;
};

}  // namespace ce::res
