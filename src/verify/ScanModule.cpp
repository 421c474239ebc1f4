// The module quillmark-render loads to read pictures back: ZXing-C++ behind one C entry.
#include "verify/ScanModule.h"

#include <type_traits>

extern "C" __attribute__((visibility("default"))) void quillmark_scan_back(
    const quillmark::PixelView* picture, const quillmark::ScanExpectation* expected,
    quillmark::ScanResult* result) {
    *result = quillmark::ScanBack(*picture, *expected);
}

static_assert(std::is_same_v<decltype(&quillmark_scan_back), quillmark::ScanBackEntry>);
