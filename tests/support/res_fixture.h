// A program's compiled .res, read back entry by entry, and its dialog
// controls compared with a table.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/dialog_template.h"
#include "resources/res_file.h"
#include "support/run.h"

namespace test {

class ResFixture : public ::testing::Test {
protected:
    void Load(const char* resFile) {
        std::string image = ReadFile(resFile);
        auto parsed = ce::res::ParseResFile(reinterpret_cast<const uint8_t*>(image.data()), image.size());
        ASSERT_TRUE(parsed) << "not a .res file: " << resFile;
        entries = *parsed;
    }
    const ce::res::ResourceEntry& Entry(uint16_t type, uint16_t name) {
        for (const auto& e : entries)
            if (e.type == ce::res::ResId::Ordinal(type) && e.name == ce::res::ResId::Ordinal(name)) return e;
        ADD_FAILURE() << "no resource of type " << type << " named " << name;
        static ce::res::ResourceEntry none;
        return none;
    }
    int CountOfType(uint16_t type) const {
        int n = 0;
        for (const auto& e : entries) n += e.type == ce::res::ResId::Ordinal(type);
        return n;
    }
    std::vector<ce::res::ResourceEntry> entries;
};

// One control of a template as the table gives it. None carries an extended
// style or creation data.
struct ControlRow {
    uint16_t id;
    std::u16string cls;
    uint32_t style;
    std::vector<int> rect;  // x, y, width, height in dialog units
    std::u16string text;
};

inline void ExpectControls(const std::vector<ce::res::DialogItem>& items, const std::vector<ControlRow>& expected) {
    ASSERT_EQ(items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const ce::res::DialogItem& item = items[i];
        SCOPED_TRACE("control #" + std::to_string(i + 1));
        EXPECT_EQ(item.id, expected[i].id);
        EXPECT_TRUE(item.windowClass.isOrdinal) << "predefined classes are written as ordinals";
        EXPECT_EQ(item.ClassName(), expected[i].cls);
        EXPECT_EQ(item.style, expected[i].style);
        EXPECT_EQ(item.exStyle, 0u);
        EXPECT_EQ(std::vector<int>({item.x, item.y, item.cx, item.cy}), expected[i].rect);
        EXPECT_EQ(item.text, ce::res::ResId::Name(expected[i].text));
        EXPECT_TRUE(item.creationData.empty());
    }
}

}  // namespace test
