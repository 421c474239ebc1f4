// The ISBN registration groups, as constant data generated from the range message's copy.
#include "isbn/ISBNAreas.h"

#include <array>
#include <cstddef>

namespace quillmark {

namespace {
#include "ISBNRangesTable.inc"
}  // namespace

std::string_view TISBNArea::AreaName() const {
    return std::string_view(kAreaTexts).substr(nameStart, nameSize);
}

std::string_view TISBNArea::Ranges() const {
    return std::string_view(kAreaTexts).substr(rangesStart, rangesSize);
}

std::span<const TISBNArea> ISBNAreaTable() {
    return kAreas;
}

std::span<const TISBNGroupLength> ISBNGroupLengthTable() {
    return kGroupLengths;
}

std::string_view ISBNRangesEdition() {
    return kRangesEdition;
}

}  // namespace quillmark
