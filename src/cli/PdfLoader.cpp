// Loads the PDF module once and starts Qt in it.
#include "cli/PdfLoader.h"

#include "cli/ModuleLoader.h"

namespace quillmark {

SymbolPdfEntry LoadPdfModule(std::string& error) {
    static const ModuleEntry loaded = [] {
        ModuleEntry module =
            LoadModuleEntry(kPdfModuleFile, kSymbolPdfEntry, "cannot make PDF pictures");
        if (module.address != nullptr)
            reinterpret_cast<SymbolPdfEntry>(module.address)(nullptr, nullptr, 0, false, nullptr);
        return module;
    }();
    error = loaded.error;
    return reinterpret_cast<SymbolPdfEntry>(loaded.address);
}

}  // namespace quillmark
