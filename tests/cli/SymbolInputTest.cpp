// A symbol's fields with more than one fault are refused for the first, in the order the command
// has always checked them, and the refusal comes back as a result, never as an exception.
#include <gtest/gtest.h>

#include <string>

#include "cli/SymbolInput.h"

namespace quillmark {
namespace {

using Options = void (*)(SymbolFields&);

TEST(SymbolInput, TheFirstFaultIsTheOneRefused) {
    const struct {
        const char* name;
        const char* type;
        const char* data;
        Options options;  // the faulty options beside the type and data
        std::string refusal;
    } kCases[] = {
        {"options of other types before each other", "ITF-14", "1540014128876",
         [](SymbolFields& f) {
             f.addOn = "12";
             f.gSize = "150";
         },
         "option --addon does not apply to ITF-14"},
        {"2D options before the linear symbol's own", "EAN-13", "400638133393",
         [](SymbolFields& f) {
             f.gSize = "150";
             f.module = "0.5";
         },
         "option --module does not apply to EAN-13"},
        {"the border before the 2D options", "EAN-13", "400638133393",
         [](SymbolFields& f) {
             f.fullBorder = false;
             f.module = "0.5";
         },
         "option --no-full-border does not apply to EAN-13"},
        {"the error correction level before the stem", "GS1-DATAMATRIX", "(01)09501101530003",
         [](SymbolFields& f) {
             f.qrLevel = "Q";
             f.stem = "https://a.b";
         },
         "option --ec-level does not apply to GS1 DataMatrix"},
        {"the rectangular form before the data", "GS1-QR", "(10",
         [](SymbolFields& f) { f.rectangular = true; },
         "option --rectangular does not apply to GS1 QR Code"},
        {"inapplicable options before the data", "UCC/EAN-128", "(10",
         [](SymbolFields& f) {
             f.addOn = "12";
             f.size = "100";
         },
         "option --addon does not apply to UCC/EAN-128"},
        {"the check digit before the size", "EAN-13", "4006381333932",
         [](SymbolFields& f) { f.size = "300"; },
         "check digit of 4006381333932 should be 1, not 2"},
        {"the add-on before the size", "UPC-A", "03600029145",
         [](SymbolFields& f) {
             f.addOn = "123";
             f.size = "x";
         },
         "--addon \"123\" must have 2 or 5 digits"},
        {"the paired GTIN before the linear symbol's border", "GS1-QR", "(01)09501101530004",
         [](SymbolFields& f) {
             f.pair = true;
             f.fullBorder = false;
         },
         "check digit of 09501101530004 should be 3, not 4"},
        {"the element string before the module", "GS1-QR", "(01)09501101530003]",
         [](SymbolFields& f) { f.module = "9"; }, "--data: \"]\" at position 19 closes no \"[\""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        SymbolFields fields;
        fields.type = c.type;
        fields.data = c.data;
        c.options(fields);
        const Result<SymbolRequest> symbol = BuildSymbolRequest(fields);
        EXPECT_EQ(symbol.error(), c.refusal);
    }
}

TEST(SymbolInput, CompletesTheCheckDigitAndAppendsTheAddOn) {
    SymbolFields fields;
    fields.type = "ean13";
    fields.data = "400638133393";
    fields.addOn = "12";
    const Result<SymbolRequest> symbol = BuildSymbolRequest(fields);
    ASSERT_TRUE(symbol.ok()) << symbol.error();
    EXPECT_EQ(symbol->digits, "400638133393112");
    EXPECT_EQ(symbol->addOnType, "2-Digit");
    EXPECT_EQ(symbol->symbology, &SymbologyOf(Symbology::EAN13));
}

}  // namespace
}  // namespace quillmark
