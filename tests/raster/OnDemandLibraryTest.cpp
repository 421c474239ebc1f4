// Libraries opened on first use: a missing library or function is reported by name, never called.
#include "raster/OnDemandLibrary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace quillmark {
namespace {

TEST(OnDemandLibrary, ResolvesOrNamesWhatIsMissing) {
    struct Case {
        const char* soname;
        const char* function;
        const char* errorNames;  // nullptr: found
    };
    const Case cases[] = {
        {"libc.so.6", "strlen", nullptr},
        {"libc.so.6", "quillmark_no_such_function", "quillmark_no_such_function"},
        {"libquillmark-no-such-library.so.9", "strlen", "libquillmark-no-such-library.so.9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.soname) + " " + c.function);
        OnDemandLibrary library(c.soname);
        decltype(&std::strlen) function = nullptr;
        library.Resolve(function, c.function);
        if (c.errorNames == nullptr) {
            EXPECT_EQ(library.Error(), "");
            ASSERT_NE(function, nullptr);
            EXPECT_EQ(function("four"), 4u);
        } else {
            EXPECT_EQ(function, nullptr);
            EXPECT_NE(library.Error().find(c.errorNames), std::string::npos) << library.Error();
        }
    }
}

}  // namespace
}  // namespace quillmark
