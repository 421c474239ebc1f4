// The scan-back module's one entry: ZXing-C++ is needed only to read pictures back, so
// quillmark-render loads the decoder when --verify or --check asks for it, not at every start.
#pragma once

#include "verify/ScanBack.h"

namespace quillmark {

// The module's file name and its entry's symbol.
inline constexpr char kScanModuleFile[] = "quillmark-scan.so";
inline constexpr char kScanBackEntry[] = "quillmark_scan_back";

// ScanBack(*picture, *expected) into *result.
using ScanBackEntry = void (*)(const PixelView* picture, const ScanExpectation* expected,
                               ScanResult* result);

}  // namespace quillmark
