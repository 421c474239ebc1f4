// The ISBN registration groups, as constant data generated from the range message's copy.
#include "isbn/ISBNAreas.h"

#include <array>
#include <cstddef>

namespace quillmark {

namespace {
#include "ISBNRangesTable.inc"
}  // namespace

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
