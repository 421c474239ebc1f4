// Symbol requests as the tests name them: a type and its data.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "symbol/SymbolRequest.h"

namespace quillmark::test {

// The request for type (null symbology when the name is unknown) with data as its field text and
// size as its horizontal magnification for UCC/EAN-128, as its digits and size for the others.
inline SymbolRequest RequestOf(std::string_view type, std::string data, unsigned short size = 100) {
    SymbolRequest r;
    r.symbology = FindSymbology(type);
    if (r.Is(Symbology::UCCEAN128)) {
        r.fieldText = std::move(data);
        r.gSizePercent = size;
    } else {
        r.digits = std::move(data);
        r.sizePercent = size;
    }
    return r;
}

}  // namespace quillmark::test
