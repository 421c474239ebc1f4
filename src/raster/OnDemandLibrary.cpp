// dlopen()s a system library by its soname and looks its functions up by name.
#include "raster/OnDemandLibrary.h"

#include <dlfcn.h>

namespace quillmark {

OnDemandLibrary::OnDemandLibrary(const char* soname) {
    handle_ = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) error_ = dlerror();
}

void* OnDemandLibrary::Address(const char* name) {
    if (handle_ == nullptr) return nullptr;
    void* address = dlsym(handle_, name);
    if (address == nullptr && error_.empty()) error_ = dlerror();
    return address;
}

}  // namespace quillmark
