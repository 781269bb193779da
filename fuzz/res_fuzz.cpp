// The .res readers on any bytes: RES_READER picks which one this target
// fuzzes (entries, a dialog template, an icon group, version info).
#include <cstdint>
#include <vector>

#include "resources/dialog_template.h"
#include "resources/icon_group.h"
#include "resources/res_file.h"
#include "resources/version_info.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data, data + size);
#if RES_READER == 0
    if (auto entries = ce::res::ParseResFile(data, size))
        for (const auto& e : *entries) {
            // What a program loads from the entries it finds.
            ce::res::ParseDialogTemplate(e.data);
            ce::res::ParseIconGroup(e.data);
            ce::res::ParseVersionInfo(e.data);
        }
#elif RES_READER == 1
    ce::res::ParseDialogTemplate(bytes);
#elif RES_READER == 2
    ce::res::ParseIconGroup(bytes);
#else
    ce::res::ParseVersionInfo(bytes);
#endif
    return 0;
}
