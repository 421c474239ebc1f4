// A picture drawn a band of rows at a time is the picture drawn whole, row for row, in whatever
// order its rows are asked for.
#include "raster/SymbolRaster.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/Requests.h"

namespace quillmark {
namespace {

TEST(SymbolRows, AreThePictureDrawnWhole) {
    struct Case {
        const char* type;
        const char* data;
        double dotsPerMm;
        SymbolStyle style;
    };
    SymbolStyle navyOnCream;
    navyOnCream.line = 0x000080;
    navyOnCream.background = 0xFFF8E0;
    const Case cases[] = {
        {"EAN-13", "4006381333931", 12, {}},
        {"UPC-A", "036000291452", 3, {}},  // one band holds the whole picture
        {"EAN-8", "96385074", 40, navyOnCream},
        {"ITF-14", "15400141288763", 23.6, {}},
        {"UCC/EAN-128", "(01)09501101530003(10)ABC123", 8, {}},
        {"EAN-13", "4006381333931", 100, {}},  // bands of a few rows through the text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " at " + std::to_string(c.dotsPerMm));
        const SymbolRequest request = test::RequestOf(c.type, c.data);
        const SymbolRenderer render = BindSymbol(request, c.dotsPerMm, c.dotsPerMm);
        const RasterPicture whole = RenderSymbolRaster(render, c.style);
        const SymbolRows rows = RenderSymbolRows(render, c.style);
        ASSERT_EQ(whole.problem, PictureProblem::None);
        ASSERT_EQ(rows.problem, PictureProblem::None);
        ASSERT_EQ(rows.rows.width, whole.raster.Width());
        ASSERT_EQ(rows.rows.height, whole.raster.Height());
        const auto bytes = static_cast<std::size_t>(rows.rows.width) * sizeof(std::uint32_t);
        int differ = 0;
        // Bottom up, as BMP takes them, then top down with every row asked for twice.
        for (int y = rows.rows.height - 1; y >= 0; --y)
            differ += std::memcmp(rows.rows.Row(y), whole.raster.Row(y), bytes) != 0;
        for (int y = 0; y < rows.rows.height; ++y)
            for (int again = 0; again < 2; ++again)
                differ += std::memcmp(rows.rows.Row(y), whole.raster.Row(y), bytes) != 0;
        EXPECT_EQ(differ, 0);
    }
}

}  // namespace
}  // namespace quillmark
