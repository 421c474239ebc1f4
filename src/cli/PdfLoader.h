// Finds and loads the PDF module beside the program, the only part of it that needs Qt.
#pragma once

#include <string>

#include "pdf/PdfModule.h"

namespace quillmark {

// The module's entry, loaded once; nullptr when it cannot be loaded, with error saying why (the
// loader's own message, naming the file). The first call starts Qt in the module and so must come
// from the main thread, before other threads ask.
SymbolPdfEntry LoadPdfModule(std::string& error);

}  // namespace quillmark
