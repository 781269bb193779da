// A compiled resource file (.res): a sequence of entries, each with a type,
// a name (an ordinal or a string), a language and its data.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "windows.h"

namespace ce::res {

// A resource type or name: an ordinal, or a string.
struct ResId {
    bool isOrdinal = true;
    uint16_t ordinal = 0;
    std::u16string name;

    static ResId Ordinal(uint16_t n) { return {true, n, {}}; }
    static ResId Name(std::u16string s) { return {false, 0, std::move(s)}; }
    // From a MAKEINTRESOURCE value or a string pointer.
    static ResId From(LPCWSTR id);
    bool operator==(const ResId&) const = default;
};

struct ResourceEntry {
    ResId type;
    ResId name;
    uint16_t language = 0;
    uint16_t memoryFlags = 0;
    std::vector<uint8_t> data;
};

// The entries of a .res image; nothing when it is not a well-formed one.
std::optional<std::vector<ResourceEntry>> ParseResFile(const uint8_t* data, size_t size);

// A little-endian reader over resource data that fails instead of reading
// past the end.
class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    bool ok() const { return ok_; }
    size_t pos() const { return pos_; }
    size_t left() const { return ok_ ? size_ - pos_ : 0; }
    void Seek(size_t pos);
    void AlignTo(size_t n);
    uint8_t U8();
    uint16_t U16();
    uint32_t U32();
    int16_t S16() { return static_cast<int16_t>(U16()); }
    // A zero-terminated UTF-16 string.
    std::u16string Sz();
    // 0xFFFF followed by an ordinal, or a zero-terminated string.
    ResId SzOrOrd();
    std::vector<uint8_t> Bytes(size_t n);

private:
    bool Need(size_t n);
    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    bool ok_ = true;
};

}  // namespace ce::res
