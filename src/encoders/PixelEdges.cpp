// Sharing a symbol character's pixels out among its bars and spaces.
#include "encoders/PixelEdges.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "encoders/Canvas.h"

namespace quillmark {

int EdgePixel(double v) {
    return Px(std::floor(v + 0.5));
}

void PlaceCharacterEdges(const double* exact, const int* elementModules, int count,
                         std::span<const int> rightEdges, int* edges) {
    count = std::clamp(count, 1, kMaxCharacterElements);
    constexpr int kChoices = 4;  // floor - 1 to floor + 2 for each inner edge
    int combos = 1;
    for (int i = 1; i < count; ++i) combos *= kChoices;
    // What is drawn when no placement fits.
    for (int i = 1; i <= count; ++i) edges[i] = std::max(edges[i - 1] + 1, EdgePixel(exact[i]));

    const int modules = std::accumulate(elementModules, elementModules + count, 0);
    std::array<int, kMaxCharacterElements + 1> p{};
    p[0] = edges[0];
    const auto n = static_cast<std::size_t>(count);
    for (const int right : rightEdges) {
        p[n] = right;
        const double unit = static_cast<double>(p[n] - p[0]) / modules;
        double bestOff = 1e300, bestDistance = 1e300;
        for (int combo = 0; combo < combos; ++combo) {
            for (std::size_t i = 1, rest = static_cast<std::size_t>(combo); i < n;
                 ++i, rest /= kChoices)
                p[i] = Px(std::floor(exact[i])) - 1 + static_cast<int>(rest % kChoices);
            bool fits = true;
            double off = 0, distance = 0;
            for (std::size_t i = 0; i < n && fits; ++i) {
                const double elementOff = std::fabs(p[i + 1] - p[i] - elementModules[i] * unit);
                fits = p[i + 1] > p[i] && elementOff <= 0.7 * unit;
                off += elementOff;
            }
            if (!fits) continue;
            for (std::size_t i = 1; i < n; ++i) distance += std::fabs(p[i] - exact[i]);
            if (off < bestOff - 1e-9 || (off < bestOff + 1e-9 && distance < bestDistance)) {
                bestOff = off;
                bestDistance = distance;
                std::copy(p.begin(), p.begin() + count + 1, edges);
            }
        }
        if (bestOff < 1e300) return;
    }
}

}  // namespace quillmark
