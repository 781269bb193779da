#include "resources/version_info.h"

#include "resources/res_file.h"

namespace ce::res {

namespace {

// One node of the version tree: wLength, wValueLength, wType, szKey, value, children.
struct Node {
    std::u16string key;
    uint16_t type = 0;
    std::vector<uint8_t> value;
    std::vector<Node> children;
};

std::optional<Node> ParseNode(const uint8_t* base, size_t size, bool textValueCountsUnits) {
    Reader r(base, size);
    uint16_t length = r.U16();
    uint16_t valueLength = r.U16();
    Node n;
    n.type = r.U16();
    n.key = r.Sz();
    r.AlignTo(4);
    if (!r.ok() || length > size || length < r.pos()) return std::nullopt;
    // A text value's length counts UTF-16 units, a binary one's counts bytes.
    size_t valueBytes = (n.type == 1 && textValueCountsUnits) ? valueLength * 2u : valueLength;
    if (r.pos() + valueBytes > length) valueBytes = length - r.pos();
    n.value = r.Bytes(valueBytes);
    r.AlignTo(4);
    while (r.ok() && r.pos() < length) {
        auto child = ParseNode(base + r.pos(), length - r.pos(), textValueCountsUnits);
        if (!child) return std::nullopt;
        Reader peek(base + r.pos(), length - r.pos());
        uint16_t childLength = peek.U16();
        if (childLength == 0) return std::nullopt;
        n.children.push_back(std::move(*child));
        r.Seek(r.pos() + childLength);
        r.AlignTo(4);
    }
    if (!r.ok()) return std::nullopt;
    return n;
}

std::u16string TextOf(const std::vector<uint8_t>& bytes) {
    std::u16string s;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char16_t c = bytes[i] | (bytes[i + 1] << 8);
        if (c == 0) break;
        s += c;
    }
    return s;
}

}  // namespace

std::optional<VersionInfo> ParseVersionInfo(const std::vector<uint8_t>& data) {
    auto root = ParseNode(data.data(), data.size(), true);
    if (!root || root->key != u"VS_VERSION_INFO" || root->value.size() < 52) return std::nullopt;
    VersionInfo info;
    Reader f(root->value.data(), root->value.size());
    uint32_t* fields[] = {&info.fixed.signature,       &info.fixed.structVersion,
                          &info.fixed.fileVersionMS,   &info.fixed.fileVersionLS,
                          &info.fixed.productVersionMS, &info.fixed.productVersionLS,
                          &info.fixed.fileFlagsMask,   &info.fixed.fileFlags,
                          &info.fixed.fileOS,          &info.fixed.fileType,
                          &info.fixed.fileSubtype,     &info.fixed.fileDateMS,
                          &info.fixed.fileDateLS};
    for (uint32_t* field : fields) *field = f.U32();
    for (const Node& block : root->children) {
        if (block.key == u"StringFileInfo") {
            for (const Node& table : block.children)
                for (const Node& str : table.children) info.strings[table.key][str.key] = TextOf(str.value);
        } else if (block.key == u"VarFileInfo") {
            for (const Node& var : block.children) {
                if (var.key != u"Translation") continue;
                Reader t(var.value.data(), var.value.size());
                while (t.left() >= 4) {
                    uint16_t lang = t.U16();
                    uint16_t cp = t.U16();
                    info.translations.emplace_back(lang, cp);
                }
            }
        }
    }
    return info;
}

}  // namespace ce::res
