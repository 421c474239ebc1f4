// EAN/UPC module strings against published examples, the pattern tables, and the check digits.
#include "encoders/EANUPC.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace quillmark {
namespace {

struct ModuleCase {
    const char* type;
    const char* digits;
    const char* modules;
};

TEST(EANUPCModulesTest, PublishedExamples) {
    const ModuleCase cases[] = {
        {"EAN-13", "4006381333931",
         "101000110101001110101111011110100010010110011010101000010100001010000101110100100001011"
         "00110101"},
        {"ISBN-13", "4006381333931",
         "101000110101001110101111011110100010010110011010101000010100001010000101110100100001011"
         "00110101"},
        {"EAN-8", "96385074",
         "1010001011010111101111010110111010101001110111001010001001011100101"},
        {"UPC-E", "04252614", "101001110100100110111001001101101011110011001010101"},
        // Number system 1 takes the complementary sets: every character mirrored and inverted.
        {"UPC-E", "14252614", "101010001100110110110001001001100001010110011010101"},
        // Number systems outside 0 and 1 use the table row as it stands.
        {"UPC-E", "24252614", "101001110100100110111001001101101011110011001010101"},
        // Trailing add-on digits do not change the main symbol.
        {"EAN-8", "9638507412",
         "1010001011010111101111010110111010101001110111001010001001011100101"},
    };
    for (const ModuleCase& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.digits);
        EXPECT_EQ(EANUPCModules(c.type, c.digits), c.modules);
    }
}

TEST(EANUPCModulesTest, LeadingZeroEAN13IsUPCA) {
    const std::string upca = EANUPCModules("UPC-A", "036000291452");
    ASSERT_EQ(upca.size(), 95u);
    EXPECT_EQ(EANUPCModules("EAN-13", "0036000291452"), upca);
}

TEST(EANUPCModulesTest, LengthsAndFixedPatterns) {
    const struct {
        const char* type;
        const char* digits;
        std::size_t length;
    } cases[] = {{"EAN-13", "5901234123457", 95},
                 {"ISBN-13", "9783161484100", 95},
                 {"EAN-8", "55123457", 67},
                 {"UPC-A", "123456789012", 95},
                 {"UPC-E", "01234565", 51}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        const std::string s = EANUPCModules(c.type, c.digits);
        ASSERT_EQ(s.size(), c.length);
        EXPECT_EQ(s.substr(0, 3), "101");
        if (std::string(c.type) == "UPC-E") {
            EXPECT_EQ(s.substr(45), "010101");
        } else {
            EXPECT_EQ(s.substr(s.size() - 3), "101");
            EXPECT_EQ(s.substr(s.size() / 2 - 2, 5), "01010");
        }
    }
}

struct AddOnCase {
    const char* type;
    const char* addOn;
    const char* digits;
    const char* modules;  // "" for no add-on string
};

TEST(EANUPCModulesTest, AddOns) {
    const AddOnCase cases[] = {
        {"EAN-13", "2-Digit", "400638133393112", "10110011001010010011"},  // 12 mod 4 = 0, "AA"
        {"EAN-13", "2-Digit", "400638133393153", "10110110001010100001"},  // 53 mod 4 = 1, "AB"
        {"EAN-13", "5-Digit", "400638133393152495",
         "10110111001010010011010011101010001011010110001"},  // checksum 141, "BABAA"
        {"EAN-13", "5-Digit", "400638133393100000",
         "10110100111010100111010001101010001101010001101"},  // checksum 0, "BBAAA"
        // The add-on starts right after the main digits of each type.
        {"ISBN-13", "2-Digit", "978316148410012", "10110011001010010011"},
        {"UPC-A", "2-Digit", "03600029145212", "10110011001010010011"},
        {"UPC-E", "2-Digit", "0425261412", "10110011001010010011"},
        {"UPC-E", "5-Digit", "0425261452495", "10110111001010010011010011101010001011010110001"},
        // No add-on string for EAN-8, for "None", or for texts that are not exact.
        {"EAN-8", "2-Digit", "9638507412", ""},
        {"EAN-8", "5-Digit", "9638507452495", ""},
        {"EAN-13", "None", "400638133393112", ""},
        {"EAN-13", "2-digit", "400638133393112", ""},
        {"UPC-a", "2-Digit", "03600029145212", ""},
        // Add-on digits missing or not digits.
        {"EAN-13", "2-Digit", "40063813339311", ""},
        {"EAN-13", "5-Digit", "4006381333931524", ""},
        {"EAN-13", "2-Digit", "40063813339311x", ""},
    };
    for (const AddOnCase& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.addOn + " " + c.digits);
        EXPECT_EQ(AddOnModules(c.type, c.addOn, c.digits), c.modules);
    }
}

TEST(EANUPCModulesTest, BadInputBuildsNothing) {
    const ModuleCase cases[] = {
        {"EAN-13", "400638133393", ""},   {"EAN-13", "", ""},
        {"EAN-13", "40063813339x1", ""},  {"EAN-13", "x006381333931", ""},
        {"ISBN-13", "978316148410", ""},  {"EAN-8", "9638507", ""},
        {"EAN-8", "9638 074", ""},        {"UPC-A", "03600029145", ""},
        {"UPC-A", "03600029145:", ""},    {"UPC-E", "0425261", ""},
        {"UPC-E", "042526/4", ""},        {"ean-13", "4006381333931", ""},
        {"Code 39", "4006381333931", ""},
    };
    for (const ModuleCase& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " '" + c.digits + "'");
        EXPECT_EQ(EANUPCModules(c.type, c.digits), c.modules);
    }
}

std::string Inverted(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = c == '0' ? '1' : '0';
    return r;
}

std::string SwappedAB(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = c == 'A' ? 'B' : c == 'B' ? 'A' : c;
    return r;
}

// The examples above touch only some table entries; these relations between the published
// tables catch a mistyped entry anywhere.
TEST(EANUPCTablesTest, NumberSetsAreConsistent) {
    std::set<std::string_view> distinct;
    for (int d = 0; d < 10; ++d) {
        SCOPED_TRACE(d);
        const std::string_view a = DigitPatterns[d], b = DigitPatterns[10 + d],
                               c = DigitPatterns[20 + d];
        EXPECT_EQ(c, Inverted(a));
        EXPECT_EQ(std::string(b.rbegin(), b.rend()), c);
        EXPECT_EQ(std::count(a.begin(), a.end(), '1') % 2, 1);  // A: odd parity
        EXPECT_EQ(std::count(b.begin(), b.end(), '1') % 2, 0);  // B: even parity
        for (std::string_view p : {a, b, c}) {
            ASSERT_EQ(p.size(), 7u);
            int runs = 1;  // every character is two bars and two spaces
            for (std::size_t i = 1; i < p.size(); ++i) runs += p[i] != p[i - 1];
            EXPECT_EQ(runs, 4) << p;
            distinct.insert(p);
        }
    }
    EXPECT_EQ(distinct.size(), 30u);
}

TEST(EANUPCTablesTest, ParityTablesAgree) {
    EXPECT_EQ(EAN13Parity[0], "AAAAAACCCCCC");
    EXPECT_EQ(UPCEParity[0], "BBBAAA");
    std::set<std::string_view> ean13, upce, addOn5;
    for (std::size_t d = 0; d < 10; ++d) {
        SCOPED_TRACE(d);
        const std::string_view row = EAN13Parity[d];
        ASSERT_EQ(row.size(), 12u);
        EXPECT_EQ(row.substr(6), "CCCCCC");
        EXPECT_EQ(row[0], 'A');
        if (d > 0) {
            EXPECT_EQ(std::count(row.begin(), row.end(), 'B'), 3);
            // UPC-E number system 0 is the EAN-13 left half with A and B swapped (but for 0).
            EXPECT_EQ(UPCEParity[d], SwappedAB(row.substr(0, 6)));
        }
        EXPECT_EQ(std::count(UPCEParity[d].begin(), UPCEParity[d].end(), 'B'), 3);
        // The 5-digit add-on rows are the UPC-E rows without their first letter.
        EXPECT_EQ(AddOn5Parity[d], UPCEParity[d].substr(1));
        ean13.insert(row);
        upce.insert(UPCEParity[d]);
        addOn5.insert(AddOn5Parity[d]);
    }
    EXPECT_EQ(ean13.size(), 10u);
    EXPECT_EQ(upce.size(), 10u);
    EXPECT_EQ(addOn5.size(), 10u);
    EXPECT_EQ(AddOn2Parity[0], "AA");
    EXPECT_EQ(AddOn2Parity[1], "AB");
    EXPECT_EQ(AddOn2Parity[2], "BA");
    EXPECT_EQ(AddOn2Parity[3], "BB");
}

TEST(EANUPCCheckDigitTest, GS1Modulo10) {
    const struct {
        const char* digits;
        std::optional<int> check;
    } cases[] = {
        {"400638133393", 1},
        {"9638507", 4},
        {"03600029145", 2},
        {"97831614841", 2},
        {"590123412345", 7},
        {"", 0},
        {"0", 0},
        {"1", 7},
        {"40063813339x", std::nullopt},
        {" 9638507", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.digits);
        EXPECT_EQ(GS1CheckDigit(c.digits), c.check);
    }
}

TEST(EANUPCCheckDigitTest, UPCEExpansion) {
    const struct {
        const char* upce;
        const char* upca;
    } cases[] = {
        {"04252614", "042100005264"},    // last digit 0-2: manufacturer X1 X2 X6 0 0
        {"0425261", "042100005264"},     // the check digit may be left out
        {"0425261999", "042100005264"},  // digits after the check digit are ignored
        {"06543211", "065100004327"},
        {"01234565", "012345000065"},  // last digit 5-9: manufacturer X1-X5
        {"11234533", "112300000458"},  // last digit 3
        {"01234145", "012340000015"},  // last digit 4
        {"042526", ""},
        {"04a5261", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.upce);
        EXPECT_EQ(ExpandUPCEToUPCA(c.upce), c.upca);
        const std::string upca = c.upca;
        EXPECT_EQ(UPCECheckDigit(c.upce),
                  upca.empty() ? std::nullopt : std::optional<int>(upca.back() - '0'));
    }
}

}  // namespace
}  // namespace quillmark
