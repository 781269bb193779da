// Tarnell's compiled resources, field by field: the dialog and its seven
// controls, the icon group and the version.
#include "resources/icon_group.h"
#include "resources/version_info.h"
#include "support/res_fixture.h"

namespace test {
namespace {

using namespace ce::res;

constexpr uint16_t kEnglishUs = 0x0409;
constexpr uint16_t kChineseTaiwan = 0x0404;

class TarnellResources : public ResFixture {
protected:
    void SetUp() override { Load(TARNELL_RES); }
};

TEST_F(TarnellResources, DialogTemplate102) {
    const ResourceEntry& e = Entry(5, 102);
    EXPECT_EQ(e.language, kEnglishUs);
    auto t = ParseDialogTemplate(e.data);
    ASSERT_TRUE(t) << "not a classic dialog template";
    EXPECT_EQ(t->style, 0x90C800C0u);
    EXPECT_EQ(t->exStyle, 0x80040000u);
    EXPECT_EQ(std::vector<int>({t->x, t->y, t->cx, t->cy}), std::vector<int>({0, 0, 108, 153}));
    EXPECT_EQ(t->menu, ResId::Name(u""));
    EXPECT_EQ(t->windowClass, ResId::Name(u""));
    EXPECT_EQ(t->caption, u"Tarnell");
    EXPECT_EQ(t->pointSize, 8);
    EXPECT_EQ(t->typeface, u"System");
    // In tab order; no button is a default push button.
    ExpectControls(t->items, {
                                 {0xFFFF, u"STATIC", 0x50020000, {7, 7, 86, 12}, u"GPRS & BackLight On/Off"},
                                 {1000, u"BUTTON", 0x50010000, {13, 23, 72, 17}, u"GPRS Power On"},
                                 {1001, u"BUTTON", 0x50010000, {14, 43, 72, 18}, u"GPRS Power Off"},
                                 {1002, u"BUTTON", 0x50010000, {14, 65, 71, 16}, u"Back Light=20"},
                                 {1003, u"BUTTON", 0x50010000, {14, 86, 71, 14}, u"Back Light=80"},
                                 {1004, u"BUTTON", 0x50010000, {15, 104, 70, 16}, u"WLAN Enable"},
                                 {1005, u"BUTTON", 0x50010000, {15, 125, 71, 14}, u"WLAN Disable"},
                             });
}

TEST_F(TarnellResources, IconGroup128HoldsTwoSixteenColourImages) {
    EXPECT_EQ(CountOfType(14), 1);
    const ResourceEntry& e = Entry(14, 128);
    EXPECT_EQ(e.language, kChineseTaiwan);
    auto images = ParseIconGroup(e.data);
    ASSERT_TRUE(images);
    const std::vector<uint16_t> sizes = {32, 16};
    ASSERT_EQ(images->size(), sizes.size());
    for (size_t i = 0; i < sizes.size(); ++i) {
        const IconGroupImage& im = (*images)[i];
        SCOPED_TRACE("image #" + std::to_string(i + 1));
        EXPECT_EQ(im.iconId, i + 1);
        EXPECT_EQ(im.width, sizes[i]);
        EXPECT_EQ(im.height, sizes[i]);
        EXPECT_EQ(im.bitCount, 4);
        EXPECT_EQ(im.colorCount, 16);
        const ResourceEntry& icon = Entry(3, static_cast<uint16_t>(i + 1));
        EXPECT_EQ(icon.data.size(), im.bytesInRes);
        EXPECT_EQ(icon.language, kChineseTaiwan);
    }
    EXPECT_EQ(CountOfType(3), 2);
}

TEST_F(TarnellResources, VersionResource1) {
    const ResourceEntry& e = Entry(16, 1);
    EXPECT_EQ(e.language, kEnglishUs);
    auto v = ParseVersionInfo(e.data);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->fixed.signature, 0xFEEF04BDu);
    EXPECT_EQ(v->fixed.fileVersionMS, 0x00010000u);
    EXPECT_EQ(v->fixed.fileVersionLS, 0x00000001u);
    EXPECT_EQ(v->fixed.productVersionMS, 0x00010000u);
    EXPECT_EQ(v->fixed.productVersionLS, 0x00000001u);
    ASSERT_EQ(v->strings.size(), 1u);
    ASSERT_TRUE(v->strings.count(u"040904b0"));
    auto& s = v->strings[u"040904b0"];
    const std::map<std::u16string, std::u16string> expected = {
        {u"FileDescription", u"Tarnell WCE MFC Application"},
        {u"FileVersion", u"1, 0, 0, 1"},
        {u"InternalName", u"Tarnell"},
        {u"LegalTrademarks", u""},
        {u"OriginalFilename", u"Tarnell.exe"},
        {u"ProductName", u"Tarnell Application"},
        {u"ProductVersion", u"1, 0, 0, 1"},
    };
    for (const auto& [key, value] : expected) {
        ASSERT_TRUE(s.count(key)) << "no " << std::string(key.begin(), key.end());
        EXPECT_EQ(s[key], value) << std::string(key.begin(), key.end());
    }
    EXPECT_EQ(v->translations, (std::vector<std::pair<uint16_t, uint16_t>>{{0x0409, 0x04B0}}));
}

TEST_F(TarnellResources, NoStringTableSoNoApplicationTitle) { EXPECT_EQ(CountOfType(6), 0); }

}  // namespace
}  // namespace test
