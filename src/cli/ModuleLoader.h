// Finds and loads the program's modules, the parts that need a large library (Qt's PDF writer,
// the ZXing-C++ decoder): a plain picture starts without them.
#pragma once

#include <string>

namespace quillmark {

struct ModuleEntry {
    void* address = nullptr;  // nullptr when the module cannot be loaded
    std::string error;        // then why: purpose, then the loader's message naming the file
};

// The entry named entry of the module file, loaded on the first call (from any thread) and
// never unloaded; later calls give the same entry, or the same error.
const ModuleEntry& LoadModuleEntry(const char* file, const char* entry, const char* purpose);

// Where the module file is looked for: the module folder's place relative to the programs'
// folder, as installed and as built; empty when the running program's folder is unknown.
std::string ModulePath(const char* file);

}  // namespace quillmark
