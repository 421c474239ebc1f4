// Loads the PDF module once and starts Qt in it.
#include "cli/PdfLoader.h"

#include <mutex>

#include "cli/ModuleLoader.h"

namespace quillmark {

SymbolPdfEntry LoadPdfModule(std::string& error) {
    const ModuleEntry& loaded =
        LoadModuleEntry(kPdfModuleFile, kSymbolPdfEntry, "cannot make PDF pictures");
    const auto entry = reinterpret_cast<SymbolPdfEntry>(loaded.address);
    // Called with nothing to draw, the entry starts Qt in the module, once.
    static std::once_flag started;
    if (entry != nullptr) std::call_once(started, entry, nullptr, nullptr, 0, false, nullptr);
    error = loaded.error;
    return entry;
}

}  // namespace quillmark
