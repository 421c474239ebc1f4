// A symbol's fields with more than one fault are refused for the first, in the order the command
// has always checked them, and the refusal comes back as a result, never as an exception.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "cli/SymbolInput.h"

namespace quillmark {
namespace {

// The fields beside the type and the data; absent unless given.
struct Options {
    const char* addOn = nullptr;
    const char* size = nullptr;
    const char* gSize = nullptr;
    const char* module = nullptr;
    const char* qrLevel = nullptr;
    const char* stem = nullptr;
    bool topBottom = false;
    bool rectangular = false;
    bool pair = false;
};

SymbolFields FieldsOf(const char* type, const char* data, const Options& options) {
    const auto set = [](std::optional<std::string>& field, const char* value) {
        if (value) field = value;
    };
    SymbolFields fields;
    fields.type = type;
    fields.data = data;
    set(fields.addOn, options.addOn);
    set(fields.size, options.size);
    set(fields.gSize, options.gSize);
    set(fields.module, options.module);
    set(fields.qrLevel, options.qrLevel);
    set(fields.stem, options.stem);
    if (options.topBottom) fields.fullBorder = false;
    if (options.rectangular) fields.rectangular = true;
    fields.pair = options.pair;
    return fields;
}

TEST(SymbolInput, TheFirstFaultIsTheOneRefused) {
    const struct {
        const char* name;
        const char* type;
        const char* data;
        Options options;
        std::string refusal;
    } kCases[] = {
        {"options of other types before each other",
         "ITF-14",
         "1540014128876",
         {.addOn = "12", .gSize = "150"},
         "option --addon does not apply to ITF-14"},
        {"2D options before the linear symbol's own",
         "EAN-13",
         "400638133393",
         {.gSize = "150", .module = "0.5"},
         "option --module does not apply to EAN-13"},
        {"the border before the 2D options",
         "EAN-13",
         "400638133393",
         {.module = "0.5", .topBottom = true},
         "option --no-full-border does not apply to EAN-13"},
        {"the error correction level before the stem",
         "GS1-DATAMATRIX",
         "(01)09501101530003",
         {.qrLevel = "Q", .stem = "https://a.b"},
         "option --ec-level does not apply to GS1 DataMatrix"},
        {"the rectangular form before the data",
         "GS1-QR",
         "(10",
         {.rectangular = true},
         "option --rectangular does not apply to GS1 QR Code"},
        {"inapplicable options before the data",
         "UCC/EAN-128",
         "(10",
         {.addOn = "12", .size = "100"},
         "option --addon does not apply to UCC/EAN-128"},
        {"the check digit before the size",
         "EAN-13",
         "4006381333932",
         {.size = "300"},
         "check digit of 4006381333932 should be 1, not 2"},
        {"the add-on before the size",
         "UPC-A",
         "03600029145",
         {.addOn = "123", .size = "x"},
         "--addon \"123\" must have 2 or 5 digits"},
        {"the paired GTIN before the linear symbol's border",
         "GS1-QR",
         "(01)09501101530004",
         {.topBottom = true, .pair = true},
         "check digit of 09501101530004 should be 3, not 4"},
        {"the element string before the module",
         "GS1-QR",
         "(01)09501101530003]",
         {.module = "9"},
         "--data: \"]\" at position 19 closes no \"[\""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const Result<SymbolRequest> symbol =
            BuildSymbolRequest(FieldsOf(c.type, c.data, c.options));
        EXPECT_EQ(symbol.error(), c.refusal);
    }
}

TEST(SymbolInput, CompletesTheCheckDigitAndAppendsTheAddOn) {
    const Result<SymbolRequest> symbol =
        BuildSymbolRequest(FieldsOf("ean13", "400638133393", {.addOn = "12"}));
    ASSERT_TRUE(symbol.ok()) << symbol.error();
    EXPECT_EQ(symbol->digits, "400638133393112");
    EXPECT_EQ(symbol->addOnType, "2-Digit");
    EXPECT_EQ(symbol->symbology, &SymbologyOf(Symbology::EAN13));
}

}  // namespace
}  // namespace quillmark
