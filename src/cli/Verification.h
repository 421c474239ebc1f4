// Reading a symbol's picture back to check that it scans as the data it was made from.
#pragma once

#include <QImage>

#include <string>

#include "symbol/SymbolRequest.h"

namespace quillmark {

// Empty when picture decodes to exactly what symbol carries (main number and add-on, ITF-14
// digits, GS1 data with its separators); otherwise what was read and what was expected.
std::string VerifySymbolPicture(const QImage& picture, const SymbolRequest& symbol);

}  // namespace quillmark
