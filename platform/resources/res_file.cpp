#include "resources/res_file.h"

namespace ce::res {

ResId ResId::From(LPCWSTR id) {
    if (IS_INTRESOURCE(id)) return Ordinal(static_cast<uint16_t>(reinterpret_cast<uintptr_t>(id)));
    return Name(id);
}

bool Reader::Need(size_t n) {
    if (!ok_ || size_ - pos_ < n) ok_ = false;
    return ok_;
}

void Reader::Seek(size_t pos) {
    if (pos > size_) ok_ = false;
    else pos_ = pos;
}

void Reader::AlignTo(size_t n) {
    size_t aligned = (pos_ + n - 1) / n * n;
    if (aligned > size_) aligned = size_;  // alignment padding may be missing at the very end
    pos_ = aligned;
}

uint8_t Reader::U8() { return Need(1) ? data_[pos_++] : 0; }

uint16_t Reader::U16() {
    if (!Need(2)) return 0;
    uint16_t v = data_[pos_] | (data_[pos_ + 1] << 8);
    pos_ += 2;
    return v;
}

uint32_t Reader::U32() {
    uint32_t lo = U16();
    uint32_t hi = U16();
    return lo | (hi << 16);
}

std::u16string Reader::Sz() {
    std::u16string s;
    while (ok_) {
        char16_t c = U16();
        if (!ok_ || c == 0) break;
        s += c;
    }
    return s;
}

ResId Reader::SzOrOrd() {
    if (!Need(2)) return {};
    if (data_[pos_] == 0xFF && data_[pos_ + 1] == 0xFF) {
        pos_ += 2;
        return ResId::Ordinal(U16());
    }
    return ResId::Name(Sz());
}

std::vector<uint8_t> Reader::Bytes(size_t n) {
    if (!Need(n)) return {};
    std::vector<uint8_t> out(data_ + pos_, data_ + pos_ + n);
    pos_ += n;
    return out;
}

std::optional<std::vector<ResourceEntry>> ParseResFile(const uint8_t* data, size_t size) {
    std::vector<ResourceEntry> entries;
    Reader r(data, size);
    while (r.left() > 0) {
        size_t start = r.pos();
        uint32_t dataSize = r.U32();
        uint32_t headerSize = r.U32();
        ResourceEntry e;
        e.type = r.SzOrOrd();
        e.name = r.SzOrOrd();
        r.AlignTo(4);
        r.U32();  // data version
        e.memoryFlags = r.U16();
        e.language = r.U16();
        r.U32();  // version
        r.U32();  // characteristics
        if (!r.ok() || headerSize < 32 || r.pos() - start > headerSize) return std::nullopt;
        r.Seek(start + headerSize);
        e.data = r.Bytes(dataSize);
        if (!r.ok()) return std::nullopt;
        r.AlignTo(4);
        // The first entry of a .res file is an empty marker of type 0.
        if (!(e.type.isOrdinal && e.type.ordinal == 0 && dataSize == 0)) entries.push_back(std::move(e));
    }
    return entries;
}

}  // namespace ce::res
