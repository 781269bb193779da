// Velkin's compiled resources, field by field: the dialog and its controls,
// the icon group and the version.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "resources/dialog_template.h"
#include "resources/icon_group.h"
#include "resources/res_file.h"
#include "resources/version_info.h"

namespace {

using namespace ce::res;

constexpr uint16_t kChineseSimplified = 0x0804;

class VelkinResources : public ::testing::Test {
protected:
    void SetUp() override {
        std::ifstream in(VELKIN_RES, std::ios::binary);
        std::vector<uint8_t> image{std::istreambuf_iterator<char>(in), {}};
        auto parsed = ParseResFile(image.data(), image.size());
        ASSERT_TRUE(parsed) << "not a .res file: " << VELKIN_RES;
        entries = *parsed;
    }
    const ResourceEntry& Entry(uint16_t type, uint16_t name) {
        for (const auto& e : entries)
            if (e.type == ResId::Ordinal(type) && e.name == ResId::Ordinal(name)) return e;
        ADD_FAILURE() << "no resource of type " << type << " named " << name;
        static ResourceEntry none;
        return none;
    }
    std::vector<ResourceEntry> entries;
};

TEST_F(VelkinResources, DialogTemplate102) {
    const ResourceEntry& e = Entry(5, 102);
    EXPECT_EQ(e.language, kChineseSimplified);
    auto t = ParseDialogTemplate(e.data);
    ASSERT_TRUE(t) << "not a classic dialog template";
    EXPECT_EQ(t->style, 0x90C800C8u);
    EXPECT_EQ(t->exStyle, 0x80040000u);
    EXPECT_EQ(std::vector<int>({t->x, t->y, t->cx, t->cy}), std::vector<int>({0, 0, 130, 90}));
    EXPECT_EQ(t->menu, ResId::Name(u""));
    EXPECT_EQ(t->windowClass, ResId::Name(u""));
    EXPECT_EQ(t->caption, u"Velkin");
    EXPECT_EQ(t->pointSize, 8);
    EXPECT_EQ(t->typeface, u"MS Shell Dlg");

    struct Control {
        uint16_t id;
        std::u16string cls;
        uint32_t style;
        std::vector<int> rect;
        std::u16string text;
    };
    const std::vector<Control> expected = {
        {0xFFFF, u"STATIC", 0x50020000, {7, 33, 38, 9}, u"设备ID："},
        {1000, u"EDIT", 0x50810080, {50, 31, 77, 14}, u""},
        {1001, u"BUTTON", 0x50010000, {49, 59, 50, 14}, u"确定"},
    };
    ASSERT_EQ(t->items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const DialogItem& item = t->items[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1));
        EXPECT_EQ(item.id, expected[i].id);
        EXPECT_TRUE(item.windowClass.isOrdinal) << "predefined classes are written as ordinals";
        EXPECT_EQ(item.ClassName(), expected[i].cls);
        EXPECT_EQ(item.style, expected[i].style);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(std::vector<int>({item.x, item.y, item.cx, item.cy}), expected[i].rect);
        EXPECT_EQ(item.text, ResId::Name(expected[i].text));
        EXPECT_TRUE(item.creationData.empty());
    }
}

TEST_F(VelkinResources, IconGroup128HoldsNineImages) {
    const ResourceEntry& e = Entry(14, 128);
    EXPECT_EQ(e.language, kChineseSimplified);
    auto images = ParseIconGroup(e.data);
    ASSERT_TRUE(images);
    struct Format {
        uint16_t size, bits;
    };
    const std::vector<Format> expected = {{48, 4}, {32, 4}, {16, 4}, {48, 8}, {32, 8},
                                          {16, 8}, {48, 24}, {32, 24}, {16, 24}};
    ASSERT_EQ(images->size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const IconGroupImage& im = (*images)[i];
        SCOPED_TRACE("image #" + std::to_string(i + 1));
        EXPECT_EQ(im.iconId, i + 1);
        EXPECT_EQ(im.width, expected[i].size);
        EXPECT_EQ(im.height, expected[i].size);
        EXPECT_EQ(im.bitCount, expected[i].bits);
        EXPECT_EQ(im.colorCount, expected[i].bits == 4 ? 16 : 0);
        const ResourceEntry& icon = Entry(3, static_cast<uint16_t>(i + 1));
        EXPECT_EQ(icon.data.size(), im.bytesInRes);
        EXPECT_EQ(icon.language, kChineseSimplified);
    }
}

TEST_F(VelkinResources, TheIconGroupIsTheOnlyOne) {
    int groups = 0;
    for (const auto& e : entries) groups += e.type == ResId::Ordinal(14);
    EXPECT_EQ(groups, 1);
}

TEST_F(VelkinResources, NoStringTableSoNoApplicationTitle) {
    for (const auto& e : entries) EXPECT_NE(e.type, ResId::Ordinal(6)) << "Velkin defines no strings";
}

TEST_F(VelkinResources, VersionResource1) {
    const ResourceEntry& e = Entry(16, 1);
    EXPECT_EQ(e.language, kChineseSimplified);
    auto v = ParseVersionInfo(e.data);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->fixed.signature, 0xFEEF04BDu);
    EXPECT_EQ(v->fixed.fileVersionMS, 0x00010000u);
    EXPECT_EQ(v->fixed.fileVersionLS, 0x00000001u);
    EXPECT_EQ(v->fixed.productVersionMS, 0x00010000u);
    EXPECT_EQ(v->fixed.productVersionLS, 0x00000001u);
    EXPECT_EQ(v->fixed.fileFlagsMask, 0x3Fu);
    EXPECT_EQ(v->fixed.fileFlags, 0u);
    EXPECT_EQ(v->fixed.fileOS, 4u);
    EXPECT_EQ(v->fixed.fileType, 1u);
    ASSERT_EQ(v->strings.size(), 1u);
    ASSERT_TRUE(v->strings.count(u"040904e4"));
    auto& s = v->strings[u"040904e4"];
    EXPECT_EQ(s[u"FileVersion"], u"1.0.0.1");
    EXPECT_EQ(s[u"ProductVersion"], u"1.0.0.1");
    EXPECT_EQ(s[u"InternalName"], u"Velkin.exe");
    EXPECT_EQ(s[u"OriginalFilename"], u"Velkin.exe");
    EXPECT_EQ(v->translations, (std::vector<std::pair<uint16_t, uint16_t>>{{0x0409, 0x04E4}}));
}

}  // namespace
