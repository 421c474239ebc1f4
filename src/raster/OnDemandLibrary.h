// System libraries opened on first use rather than at start-up: a picture that needs no JPEG, no
// CSV file and no font lookup starts without libjpeg, libcsv and fontconfig.
#pragma once

#include <string>

namespace quillmark {

class OnDemandLibrary {
public:
    // soname: the name the dynamic loader finds the library by ("libjpeg.so.62"); the build reads
    // it from the library it compiled against. Never closed: its calls may be used until the end.
    explicit OnDemandLibrary(const char* soname);
    OnDemandLibrary(const OnDemandLibrary&) = delete;
    OnDemandLibrary& operator=(const OnDemandLibrary&) = delete;

    // Points function at the library's entry of that name; null when the library or the entry is
    // missing, and Error() then says which.
    template <typename Function>
    void Resolve(Function*& function, const char* name) {
        function = reinterpret_cast<Function*>(Address(name));
    }
    // Empty while the library and every entry asked for were found.
    const std::string& Error() const { return error_; }

private:
    void* Address(const char* name);

    void* handle_ = nullptr;
    std::string error_;
};

}  // namespace quillmark

// A library's calls are listed once, as X(name) for each function. QUILLMARK_ON_DEMAND_CALLS then
// declares struct Calls, with a member pointing at each function and error (why the library cannot
// be used; empty when every call was found), and Accessor(), which opens the library by its soname
// on the first call and returns the table.
#define QUILLMARK_DECLARE_CALL(name) decltype(&::name) name = nullptr;
#define QUILLMARK_RESOLVE_CALL(name) library.Resolve(calls.name, #name);
#define QUILLMARK_ON_DEMAND_CALLS(Calls, Accessor, LIST, soname) \
    struct Calls {                                               \
        LIST(QUILLMARK_DECLARE_CALL)                             \
        std::string error;                                       \
    };                                                           \
    inline const Calls& Accessor() {                             \
        static const Calls loaded = [] {                         \
            static ::quillmark::OnDemandLibrary library(soname); \
            Calls calls;                                         \
            LIST(QUILLMARK_RESOLVE_CALL)                         \
            calls.error = library.Error();                       \
            return calls;                                        \
        }();                                                     \
        return loaded;                                           \
    }
