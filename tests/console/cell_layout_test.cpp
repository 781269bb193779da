// Dialog templates on the text terminal's cells: Velkin at the top left,
// Tarnell where CenterWindow put it, every control on its own row.
#include "console/cell_layout.h"
#include "resources/dialog_template.h"
#include "support/res_fixture.h"
#include "wm/window_manager.h"

namespace test {
namespace {

using ce::console::CellRect;

struct Layout {
    std::string name;
    const char* resFile;
    int pixelX, pixelY;  // where the window manager placed the dialog
    CellRect frame, client, ok, close;
    std::vector<CellRect> controls;
};
void PrintTo(const Layout& l, std::ostream* os) { *os << l.name; }

class TemplateToCells : public ResFixture, public ::testing::WithParamInterface<Layout> {};

TEST_P(TemplateToCells, PlacesTheDialogAndEachControl) {
    const Layout& l = GetParam();
    Load(l.resFile);
    auto t = ce::res::ParseDialogTemplate(Entry(5, 102).data);
    ASSERT_TRUE(t);
    ce::Window dialog;
    dialog.style = t->style;
    dialog.exStyle = t->exStyle;
    dialog.units = RECT{t->x, t->y, t->x + t->cx, t->y + t->cy};
    RECT px = ce::WindowManager::UnitsToPixels(dialog.units);
    dialog.pixels = RECT{l.pixelX, l.pixelY, l.pixelX + px.right - px.left, l.pixelY + px.bottom - px.top};
    auto cells = ce::console::LayOutDialog(dialog);
    EXPECT_EQ(cells.frame, l.frame);
    EXPECT_EQ(cells.client, l.client);
    ASSERT_TRUE(cells.okButton && cells.closeButton) << "WS_EX_CAPTIONOKBTN and WS_SYSMENU give both";
    EXPECT_EQ(*cells.okButton, l.ok);
    EXPECT_EQ(*cells.closeButton, l.close);
    ASSERT_EQ(t->items.size(), l.controls.size());
    for (size_t i = 0; i < l.controls.size(); ++i) {
        ce::Window c;
        const auto& item = t->items[i];
        c.units = RECT{item.x, item.y, item.x + item.cx, item.y + item.cy};
        EXPECT_EQ(ce::console::LayOutControl(c), l.controls[i]) << "control #" << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    BothPrograms, TemplateToCells,
    ::testing::Values(
        // 130 x 90 units: 33 x 12 cells of client area under the caption row.
        Layout{"Velkin", VELKIN_RES, 0, 0, {0, 0, 35, 14}, {1, 1, 33, 12}, {27, 0, 4, 1}, {31, 0, 3, 1},
               {{1, 4, 11, 1}, {12, 4, 20, 1}, {12, 8, 13, 1}}},
        // Centred at pixel 39, 36: cell 6, 2; 108 x 153 units are 27 x 20 cells.
        Layout{"Tarnell", TARNELL_RES, 39, 36, {6, 2, 29, 22}, {7, 3, 27, 20}, {27, 2, 4, 1}, {31, 2, 3, 1},
               {{1, 1, 23, 1}, {3, 3, 19, 1}, {3, 6, 19, 1}, {3, 9, 19, 1}, {3, 11, 19, 1}, {3, 14, 19, 1},
                {3, 16, 19, 1}}}),
    [](const auto& info) { return info.param.name; });

TEST(ControlCells, ATallControlKeepsItsRows) {
    ce::Window c;
    c.units = RECT{8, 16, 48, 56};  // five rows of units
    EXPECT_EQ(ce::console::LayOutControl(c), (CellRect{2, 2, 10, 5}));
}

}  // namespace
}  // namespace test
