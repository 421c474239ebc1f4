// A sheet or roll of labels: its paper, its label's shape and the grid of cells, in millimetres,
// with the order in which symbols fill the cells.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

enum class LabelShape { Rectangle, Round, Ellipse, Cd, Continuous };

// One grid of equal cells: nx across, ny down, the first at (x0, y0), the others dx and dy apart.
struct SheetLayout {
    int nx = 1;
    int ny = 1;
    double x0 = 0;
    double y0 = 0;
    double dx = 0;
    double dy = 0;
};

struct LabelSheet {
    std::string brand;
    std::string part;
    std::string description;
    std::string paperId;  // "A4", "US-Letter", "Other", ...
    double paperWidth = 0;
    double paperHeight = 0;
    LabelShape shape = LabelShape::Rectangle;
    double labelWidth = 0;  // round and CD labels: the diameter
    double labelHeight = 0;
    double round = 0;   // corner radius of rectangles
    double hole = 0;    // CD labels: the hole's radius
    double xWaste = 0;  // the printable overhang around each label
    double yWaste = 0;
    std::vector<SheetLayout> layouts;
    std::string equivalentOf;  // for an alias as read: the part it repeats
};

struct CellRect {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
};

// "Brand part", as sheets are named and searched.
std::string SheetName(const LabelSheet& sheet);

// The label cells of one sheet in reading order: rows top to bottom, each left to right, over all
// its layouts.
std::vector<CellRect> SheetCells(const LabelSheet& sheet);

// The sheet named "brand part" in any case (spaces and hyphens between brand and part as typed),
// or nullptr.
const LabelSheet* FindSheet(const std::vector<LabelSheet>& sheets, std::string_view name);

// The sheets whose name or description holds text, in any case; all of them for an empty text.
std::vector<const LabelSheet*> SearchSheets(const std::vector<LabelSheet>& sheets,
                                            std::string_view text);

// Where one symbol goes in its cell: centred, or its top-left corner at an offset from the cell's.
struct SymbolPlacement {
    bool centred = true;
    double offsetX = 0;
    double offsetY = 0;
};

struct PlacedSymbol {
    double x = 0;  // the symbol's top-left corner on the page
    double y = 0;
    bool fits = true;  // the symbol with its quiet zones lies within the cell
};

PlacedSymbol PlaceInCell(const CellRect& cell, double symbolWidth, double symbolHeight,
                         const SymbolPlacement& placement);

// One label printed: on which page, in which cell (0-based, reading order), and which symbol.
struct LabelSlot {
    int page = 0;
    int cell = 0;
    int symbol = 0;
};

// Fills sheets of cellsPerSheet cells with symbols copies times each, one symbol's copies side by
// side, the first sheet from startCell (1-based; the cells before it are used already).
std::vector<LabelSlot> FillSheets(int cellsPerSheet, int startCell, int symbols, int copies);

}  // namespace quillmark
