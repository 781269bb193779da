// Velkin's compiled resources, field by field: the dialog and its controls,
// the icon group and the version.
#include "resources/icon_group.h"
#include "resources/version_info.h"
#include "support/res_fixture.h"

namespace test {
namespace {

using namespace ce::res;

constexpr uint16_t kChineseSimplified = 0x0804;

class VelkinResources : public ResFixture {
protected:
    void SetUp() override { Load(VELKIN_RES); }
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

    ExpectControls(t->items, {
                                 {0xFFFF, u"STATIC", 0x50020000, {7, 33, 38, 9}, u"设备ID："},
                                 {1000, u"EDIT", 0x50810080, {50, 31, 77, 14}, u""},
                                 {1001, u"BUTTON", 0x50010000, {49, 59, 50, 14}, u"确定"},
                             });
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

TEST_F(VelkinResources, TheIconGroupIsTheOnlyOne) { EXPECT_EQ(CountOfType(14), 1); }

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
}  // namespace test
