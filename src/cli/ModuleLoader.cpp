// dlopen()s a module from a path relative to /proc/self/exe, so an installed program finds its
// own modules wherever the package was installed, and a built one finds the build's.
#include "cli/ModuleLoader.h"

#include <dlfcn.h>

#include <filesystem>
#include <map>
#include <mutex>
#include <system_error>
#include <utility>

namespace quillmark {

std::string ModulePath(const char* file) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || program.empty()) return {};
    return (program.parent_path() / QUILLMARK_MODULE_DIR / file).lexically_normal().string();
}

namespace {

ModuleEntry Load(const char* file, const char* entry, const char* purpose) {
    ModuleEntry loaded;
    const std::string path = ModulePath(file);
    if (path.empty()) {
        loaded.error = std::string(purpose) + ": the program's own folder is unknown";
        return loaded;
    }
    // Never unloaded: what a module starts (Qt's application and fonts) lives until the end.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module != nullptr) loaded.address = dlsym(module, entry);
    if (loaded.address == nullptr) loaded.error = std::string(purpose) + ": " + dlerror();
    return loaded;
}

}  // namespace

const ModuleEntry& LoadModuleEntry(const char* file, const char* entry, const char* purpose) {
    static std::mutex mutex;
    static std::map<std::pair<std::string, std::string>, ModuleEntry> loaded;
    const std::lock_guard<std::mutex> lock(mutex);
    auto found = loaded.find({file, entry});
    if (found == loaded.end())
        found = loaded.emplace(std::pair{file, entry}, Load(file, entry, purpose)).first;
    return found->second;
}

}  // namespace quillmark
