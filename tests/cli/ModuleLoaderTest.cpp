// A module's entry is loaded once for every caller: the same entry, or the same error naming what
// is missing, whoever asks and however often.
#include "cli/ModuleLoader.h"

#include <gtest/gtest.h>

#include <string>

#include "encoders/MatrixModule.h"

namespace quillmark {
namespace {

TEST(ModuleLoader, LoadsEachEntryOnceOrNamesWhatIsMissing) {
    const struct {
        const char* file;
        const char* entry;
        const char* missing;  // what the error names; nullptr: loaded
    } cases[] = {
        {kMatrixModuleFile, kMatrixEntry, nullptr},
        {kMatrixModuleFile, "quillmark_no_such_entry", "quillmark_no_such_entry"},
        {"quillmark-no-such-module.so", kMatrixEntry, "quillmark-no-such-module.so"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " " + c.entry);
        const ModuleEntry& first = LoadModuleEntry(c.file, c.entry, "cannot test");
        const ModuleEntry& again = LoadModuleEntry(c.file, c.entry, "cannot test");
        EXPECT_EQ(&again, &first);
        if (c.missing == nullptr) {
            EXPECT_NE(first.address, nullptr);
            EXPECT_EQ(first.error, "");
            continue;
        }
        EXPECT_EQ(first.address, nullptr);
        EXPECT_TRUE(first.error.starts_with("cannot test: ")) << first.error;
        EXPECT_NE(first.error.find(c.missing), std::string::npos) << first.error;
    }
}

}  // namespace
}  // namespace quillmark
