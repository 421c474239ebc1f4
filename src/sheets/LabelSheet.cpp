// Label sheets' cells, names and filling order.
#include "sheets/LabelSheet.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace quillmark {
namespace {

std::string Folded(std::string_view text) {
    std::string folded;
    for (char c : text) {
        if (c == ' ' || c == '-' || c == '_') continue;
        folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folded;
}

bool Holds(std::string_view text, const std::string& foldedNeedle) {
    return Folded(text).find(foldedNeedle) != std::string::npos;
}

// Cells of rows that differ by less than this lie in one row (the templates round to 0.01 mm).
constexpr double kSameRow = 0.05;

}  // namespace

std::string SheetName(const LabelSheet& sheet) {
    return sheet.brand + " " + sheet.part;
}

std::vector<CellRect> SheetCells(const LabelSheet& sheet) {
    std::vector<CellRect> cells;
    for (const SheetLayout& layout : sheet.layouts) {
        for (int row = 0; row < layout.ny; ++row) {
            for (int column = 0; column < layout.nx; ++column) {
                cells.push_back({layout.x0 + column * layout.dx, layout.y0 + row * layout.dy,
                                 sheet.labelWidth, sheet.labelHeight});
            }
        }
    }
    std::stable_sort(cells.begin(), cells.end(), [](const CellRect& a, const CellRect& b) {
        if (std::abs(a.y - b.y) >= kSameRow) return a.y < b.y;
        return a.x < b.x;
    });
    return cells;
}

const LabelSheet* FindSheet(const std::vector<LabelSheet>& sheets, std::string_view name) {
    const std::string wanted = Folded(name);
    for (const LabelSheet& sheet : sheets) {
        if (Folded(SheetName(sheet)) == wanted) return &sheet;
    }
    return nullptr;
}

std::vector<const LabelSheet*> SearchSheets(const std::vector<LabelSheet>& sheets,
                                            std::string_view text) {
    const std::string needle = Folded(text);
    std::vector<const LabelSheet*> found;
    for (const LabelSheet& sheet : sheets) {
        if (Holds(SheetName(sheet), needle) || Holds(sheet.description, needle)) {
            found.push_back(&sheet);
        }
    }
    return found;
}

PlacedSymbol PlaceInCell(const CellRect& cell, double symbolWidth, double symbolHeight,
                         const SymbolPlacement& placement) {
    PlacedSymbol placed;
    const double left = placement.centred ? (cell.width - symbolWidth) / 2 : placement.offsetX;
    const double top = placement.centred ? (cell.height - symbolHeight) / 2 : placement.offsetY;
    placed.x = cell.x + left;
    placed.y = cell.y + top;
    // A hair's tolerance, so that a symbol exactly the cell's size fits.
    constexpr double kTolerance = 1e-6;
    placed.fits = left >= -kTolerance && top >= -kTolerance &&
                  left + symbolWidth <= cell.width + kTolerance &&
                  top + symbolHeight <= cell.height + kTolerance;
    return placed;
}

std::vector<LabelSlot> FillSheets(int cellsPerSheet, int startCell, int symbols, int copies) {
    std::vector<LabelSlot> slots;
    if (cellsPerSheet <= 0 || symbols <= 0 || copies <= 0) return slots;
    int position = std::clamp(startCell, 1, cellsPerSheet) - 1;
    for (int symbol = 0; symbol < symbols; ++symbol) {
        for (int copy = 0; copy < copies; ++copy, ++position) {
            slots.push_back({position / cellsPerSheet, position % cellsPerSheet, symbol});
        }
    }
    return slots;
}

}  // namespace quillmark
