// dlopen()s the PDF module from a path relative to /proc/self/exe, so an installed program finds
// its own module wherever the package was installed, and a built one finds the build's.
#include "cli/PdfLoader.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace quillmark {
namespace {

struct LoadedModule {
    SymbolPdfEntry entry = nullptr;
    std::string error;
};

LoadedModule Load() {
    LoadedModule loaded;
    const std::string path = PdfModulePath();
    if (path.empty()) {
        loaded.error = "cannot make PDF pictures: the program's own folder is unknown";
        return loaded;
    }
    // Never unloaded: Qt's application and fonts live until the process ends.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        loaded.error = std::string("cannot make PDF pictures: ") + dlerror();
        return loaded;
    }
    auto* entry = reinterpret_cast<SymbolPdfEntry>(dlsym(module, kSymbolPdfEntry));
    if (entry == nullptr) {
        loaded.error = std::string("cannot make PDF pictures: ") + dlerror();
        return loaded;
    }
    entry(nullptr, nullptr, 0, nullptr);
    loaded.entry = entry;
    return loaded;
}

}  // namespace

std::string PdfModulePath() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || program.empty()) return {};
    return (program.parent_path() / QUILLMARK_PDF_MODULE_DIR / kPdfModuleFile)
        .lexically_normal()
        .string();
}

SymbolPdfEntry LoadPdfModule(std::string& error) {
    static const LoadedModule loaded = Load();
    error = loaded.error;
    return loaded.entry;
}

}  // namespace quillmark
