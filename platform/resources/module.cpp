#include "resources/module.h"

#include <unistd.h>

#include <climits>

#include "kernel/system.h"
#include "text/utf.h"
#include "windows.h"

// The executable's compiled resources, linked in by its build; absent in
// executables without resources.
extern "C" {
extern const uint8_t ce_module_resources[] __attribute__((weak));
extern const uint8_t ce_module_resources_end[] __attribute__((weak));
}

namespace ce::res {

namespace {
// The module handle: an address no real object lives at, as on the device
// where it is the image's load address.
HINSTANCE const kModuleHandle = reinterpret_cast<HINSTANCE>(0x00010000);
std::unique_ptr<Module> g_current;
}  // namespace

Module::Module(const uint8_t* data, size_t size) {
    if (!data || size == 0) return;
    if (auto entries = ParseResFile(data, size)) {
        entries_ = std::move(*entries);
        valid_ = true;
    }
}

Module& Module::Current() {
    if (!g_current) {
        const uint8_t* begin = ce_module_resources;
        const uint8_t* end = ce_module_resources_end;
        size_t size = begin && end && end > begin ? static_cast<size_t>(end - begin) : 0;
        g_current.reset(new Module(begin, size));
    }
    return *g_current;
}

bool Module::UseImage(const std::vector<uint8_t>& resImage) {
    g_current.reset(new Module(resImage.data(), resImage.size()));
    return g_current->valid_;
}

HINSTANCE Module::Instance() const { return kModuleHandle; }

const ResourceEntry* Module::Find(const ResId& type, const ResId& name) const {
    for (const auto& e : entries_)
        if (e.type == type && e.name == name) return &e;
    return nullptr;
}

HICON Module::LoadIcon(const ResId& group) {
    for (size_t i = 0; i < icons_.size(); ++i)
        if (icons_[i]->group == group) return reinterpret_cast<HICON>(0x20000 + 4 * i);
    const ResourceEntry* entry = Find(ResId::Ordinal(14), group);
    if (!entry) return nullptr;
    auto images = ParseIconGroup(entry->data);
    if (!images || images->empty()) return nullptr;
    icons_.push_back(std::make_unique<LoadedIcon>(LoadedIcon{group, std::move(*images)}));
    return reinterpret_cast<HICON>(0x20000 + 4 * (icons_.size() - 1));
}

const LoadedIcon* Module::IconOf(HICON icon) const {
    uintptr_t v = reinterpret_cast<uintptr_t>(icon);
    if (v < 0x20000 || (v - 0x20000) % 4) return nullptr;
    size_t i = (v - 0x20000) / 4;
    return i < icons_.size() ? icons_[i].get() : nullptr;
}

}  // namespace ce::res

using ce::res::Module;
using ce::res::ResId;

HMODULE GetModuleHandleW(LPCWSTR lpModuleName) {
    return lpModuleName ? nullptr : Module::Current().Instance();
}

DWORD GetModuleFileNameW(HMODULE hModule, LPWSTR lpFilename, DWORD nSize) {
    if ((hModule && hModule != Module::Current().Instance()) || !lpFilename || nSize == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return 0;
    auto wide = ce::text::FromUtf8(std::string_view(path, n)).value_or(u"");
    DWORD count = static_cast<DWORD>(wide.size());
    if (count >= nSize) {
        count = nSize - 1;
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
    }
    wide.copy(lpFilename, count);
    lpFilename[count] = 0;
    return count;
}

HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType) {
    Module& module = Module::Current();
    if (hModule && hModule != module.Instance()) return nullptr;
    const auto* entry = module.Find(ResId::From(lpType), ResId::From(lpName));
    if (!entry) SetLastError(ERROR_FILE_NOT_FOUND);
    return reinterpret_cast<HRSRC>(const_cast<ce::res::ResourceEntry*>(entry));
}

HICON LoadIconW(HINSTANCE hInstance, LPCWSTR lpIconName) {
    if (ce::System::Get().Trip("LoadIconW")) return nullptr;
    Module& module = Module::Current();
    if (hInstance != module.Instance()) return nullptr;
    return module.LoadIcon(ResId::From(lpIconName));
}

int LoadStringW(HINSTANCE hInstance, UINT uID, LPWSTR lpBuffer, int cchBufferMax) {
    Module& module = Module::Current();
    if (hInstance != module.Instance() || !lpBuffer || cchBufferMax <= 0) return 0;
    // Strings live in blocks of 16: block (id / 16 + 1), entry id % 16, each a
    // counted UTF-16 string.
    const auto* block = module.Find(ResId::Ordinal(6), ResId::Ordinal(static_cast<uint16_t>(uID / 16 + 1)));
    lpBuffer[0] = 0;
    if (!block) return 0;
    ce::res::Reader r(block->data.data(), block->data.size());
    for (UINT i = 0; i < uID % 16 && r.ok(); ++i) r.Bytes(r.U16() * 2u);
    uint16_t length = r.U16();
    auto bytes = r.Bytes(length * 2u);
    if (!r.ok() || length == 0) return 0;
    int count = length < cchBufferMax ? length : cchBufferMax - 1;
    for (int i = 0; i < count; ++i) lpBuffer[i] = bytes[2 * i] | (bytes[2 * i + 1] << 8);
    lpBuffer[count] = 0;
    return count;
}
