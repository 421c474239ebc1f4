// Label sheets: finding a sheet by name, placing a symbol in its cell, filling sheets in order.
#include "sheets/LabelSheet.h"

#include <gtest/gtest.h>

namespace quillmark {
namespace {

TEST(LabelSheet, FindsByNameInAnyCaseAndSearchesDescriptions) {
    std::vector<LabelSheet> sheets(3);
    sheets[0].brand = "Avery";
    sheets[0].part = "L7160";
    sheets[0].description = "Address labels";
    sheets[1].brand = "Avery";
    sheets[1].part = "L7163";
    sheets[1].description = "Parcel labels";
    sheets[2].brand = "Herma";
    sheets[2].part = "4226";
    sheets[2].description = "Movable labels";
    const struct {
        const char* name;
        const LabelSheet* found;
    } finds[] = {{"Avery L7160", &sheets[0]},
                 {"avery l7160", &sheets[0]},
                 {"AVERY-L7160", &sheets[0]},
                 {"Avery  L 7163", &sheets[1]},
                 {"Avery L716", nullptr},
                 {"L7160", nullptr},
                 {"", nullptr}};
    for (const auto& f : finds) EXPECT_EQ(FindSheet(sheets, f.name), f.found) << f.name;

    EXPECT_EQ(SearchSheets(sheets, "avery").size(), 2u);
    EXPECT_EQ(SearchSheets(sheets, "parcel"), std::vector<const LabelSheet*>{&sheets[1]});
    EXPECT_EQ(SearchSheets(sheets, "42").size(), 1u);
    EXPECT_EQ(SearchSheets(sheets, "").size(), 3u);
    EXPECT_TRUE(SearchSheets(sheets, "zebra").empty());
}

TEST(LabelSheet, PlacesTheSymbolAndSaysWhetherItFits) {
    const CellRect cell{10, 20, 60, 40};
    const struct {
        SymbolPlacement placement;
        double width, height, x, y;
        bool fits;
    } cases[] = {
        {{true, 0, 0}, 40, 30, 20, 25, true},   {{true, 0, 0}, 60, 40, 10, 20, true},
        {{true, 0, 0}, 61, 30, 9.5, 25, false}, {{true, 0, 0}, 40, 41, 20, 19.5, false},
        {{false, 5, 3}, 40, 30, 15, 23, true},  {{false, 25, 3}, 40, 30, 35, 23, false},
        {{false, -1, 0}, 10, 10, 9, 20, false},
    };
    for (const auto& c : cases) {
        const PlacedSymbol placed = PlaceInCell(cell, c.width, c.height, c.placement);
        EXPECT_DOUBLE_EQ(placed.x, c.x);
        EXPECT_DOUBLE_EQ(placed.y, c.y);
        EXPECT_EQ(placed.fits, c.fits) << c.width << "x" << c.height;
    }
}

TEST(LabelSheet, FillsFromTheStartCellWithCopiesInRowOrder) {
    const struct {
        int cells, start, symbols, copies;
        std::vector<LabelSlot> slots;
    } cases[] = {
        {21, 8, 3, 2, {{0, 7, 0}, {0, 8, 0}, {0, 9, 1}, {0, 10, 1}, {0, 11, 2}, {0, 12, 2}}},
        {21, 20, 2, 2, {{0, 19, 0}, {0, 20, 0}, {1, 0, 1}, {1, 1, 1}}},
        {1, 1, 3, 1, {{0, 0, 0}, {1, 0, 1}, {2, 0, 2}}},
        // A start past the sheet's cells starts in its last one; below 1, in its first.
        {4, 9, 1, 2, {{0, 3, 0}, {1, 0, 0}}},
        {4, 0, 1, 1, {{0, 0, 0}}},
        {4, 1, 0, 1, {}},
        {4, 1, 2, 0, {}},
        {0, 1, 2, 1, {}},
    };
    for (const auto& c : cases) {
        const std::vector<LabelSlot> slots = FillSheets(c.cells, c.start, c.symbols, c.copies);
        ASSERT_EQ(slots.size(), c.slots.size()) << c.cells << " " << c.start;
        for (size_t i = 0; i < slots.size(); ++i) {
            EXPECT_EQ(slots[i].page, c.slots[i].page) << i;
            EXPECT_EQ(slots[i].cell, c.slots[i].cell) << i;
            EXPECT_EQ(slots[i].symbol, c.slots[i].symbol) << i;
        }
    }
}

}  // namespace
}  // namespace quillmark
