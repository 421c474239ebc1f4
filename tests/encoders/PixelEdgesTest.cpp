// Symbol characters shared out over a few pixels keep every element within a reader's tolerance.
#include "encoders/PixelEdges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>

#include "encoders/Canvas.h"
#include "encoders/Code128Characters.h"

namespace quillmark {
namespace {

TEST(PixelEdges, EdgePixelRoundsEveryHalfTheSameWay) {
    const struct {
        double v;
        int pixel;
    } cases[] = {{0.5, 1}, {1.5, 2}, {2.5, 3}, {-0.5, 0}, {2.49, 2}, {27.5, 28}, {28.5, 29}};
    for (const auto& c : cases) EXPECT_EQ(EdgePixel(c.v), c.pixel) << c.v;
}

// Every Code 128 character at module widths from 1 to 2.5 pixels and at every sub-pixel start:
// each element ends up within 0.7 of the character's own module of its module count, the edges
// rise, and the character ends within a pixel of its exact end.
TEST(PixelEdges, EveryCode128CharacterFitsTheReadersTolerance) {
    int placed = 0;
    for (int twentieths = 20; twentieths <= 50; ++twentieths) {
        const double module = twentieths / 20.0;
        for (int eighths = 0; eighths < 8; ++eighths) {
            const double start = eighths / 8.0;
            for (const auto& pattern : Code128Patterns) {
                int modules[6];
                double exact[7] = {start};
                for (int i = 0; i < 6; ++i) {
                    modules[i] = pattern[static_cast<std::size_t>(i)];
                    exact[i + 1] = exact[i] + modules[i] * module;
                }
                int edges[7] = {EdgePixel(start)};
                const int right = EdgePixel(exact[6]);
                const int rightEdges[] = {right, right - 1, right + 1};
                PlaceCharacterEdges(exact, modules, 6, rightEdges, edges);
                SCOPED_TRACE("module " + std::to_string(module) + " start " +
                             std::to_string(start));
                const double unit = (edges[6] - edges[0]) / 11.0;
                for (int i = 0; i < 6; ++i) {
                    ASSERT_GT(edges[i + 1], edges[i]);
                    ASSERT_LE(std::fabs(edges[i + 1] - edges[i] - modules[i] * unit), 0.7 * unit);
                }
                ASSERT_LE(std::abs(edges[6] - right), 1);
                ++placed;
            }
        }
    }
    EXPECT_EQ(placed, 31 * 8 * 106);
}

// Where nothing can fit (more elements than pixels), the edges are still rising, one pixel at
// least each, so no element vanishes.
TEST(PixelEdges, WithoutRoomEveryElementKeepsAPixel) {
    const int modules[] = {1, 1, 1, 1, 1, 1, 1};
    double exact[8];
    for (int i = 0; i < 8; ++i) exact[i] = i * 0.3;
    int edges[8] = {0};
    const int rightEdges[] = {2};
    PlaceCharacterEdges(exact, modules, 7, rightEdges, edges);
    for (int i = 0; i < 7; ++i) EXPECT_GT(edges[i + 1], edges[i]);
}

}  // namespace
}  // namespace quillmark
