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

int ReducedLast(int first, int last, int reduction) {
    if (last < first || reduction <= 0) return last;
    return static_cast<int>(std::max<long long>(first, static_cast<long long>(last) - reduction));
}

void DrawColumns(TCanvas& canvas, int first, int last, int top, int bottom, int reduction) {
    last = ReducedLast(first, last, reduction);
    for (long long x = first; x <= last; ++x) {
        canvas.MoveTo(static_cast<int>(x), top);
        canvas.LineTo(static_cast<int>(x), bottom);
    }
}

namespace {

constexpr int kChoices = 4;  // floor - 1 to floor + 2 for each inner edge

// A depth-first walk over the placements of the inner edges, from the rightmost inward, that
// drops a branch as soon as one of its elements leaves the tolerance. It visits the placements
// that fit in the same order as counting through all of them would, so ties go the same way.
struct EdgeSearch {
    const double* exact;
    const int* elementModules;
    std::size_t count;
    double unit;
    std::array<int, kMaxCharacterElements + 1> p;
    double bestOff;
    double bestDistance;
    int* edges;

    bool Fits(std::size_t element) const {
        return p[element + 1] > p[element] &&
               std::fabs(p[element + 1] - p[element] - elementModules[element] * unit) <=
                   0.7 * unit;
    }

    void Evaluate() {
        double off = 0, distance = 0;
        for (std::size_t i = 0; i < count; ++i)
            off += std::fabs(p[i + 1] - p[i] - elementModules[i] * unit);
        for (std::size_t i = 1; i < count; ++i) distance += std::fabs(p[i] - exact[i]);
        if (off < bestOff - 1e-9 || (off < bestOff + 1e-9 && distance < bestDistance)) {
            bestOff = off;
            bestDistance = distance;
            std::copy(p.begin(), p.begin() + static_cast<std::ptrdiff_t>(count) + 1, edges);
        }
    }

    // Chooses p[edge], then the edges to its left.
    void Walk(std::size_t edge) {
        if (edge == 0) {
            if (Fits(0)) Evaluate();
            return;
        }
        const int first = Px(std::floor(exact[edge])) - 1;
        for (int k = 0; k < kChoices; ++k) {
            p[edge] = first + k;
            if (Fits(edge)) Walk(edge - 1);
        }
    }
};

}  // namespace

void PlaceCharacterEdges(const double* exact, const int* elementModules, int count,
                         std::span<const int> rightEdges, int* edges) {
    count = std::clamp(count, 1, kMaxCharacterElements);
    // What is drawn when no placement fits.
    for (int i = 1; i <= count; ++i) edges[i] = std::max(edges[i - 1] + 1, EdgePixel(exact[i]));

    const int modules = std::accumulate(elementModules, elementModules + count, 0);
    const auto n = static_cast<std::size_t>(count);
    for (const int right : rightEdges) {
        EdgeSearch search{exact, elementModules, n, 0, {}, 1e300, 1e300, edges};
        search.p[0] = edges[0];
        search.p[n] = right;
        search.unit = static_cast<double>(right - edges[0]) / modules;
        search.Walk(n - 1);
        if (search.bestOff < 1e300) return;
    }
}

}  // namespace quillmark
