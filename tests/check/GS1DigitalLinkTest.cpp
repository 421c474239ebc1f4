// Element strings to Digital Link URIs and back: round trips, and refusals with their reasons.
#include <gtest/gtest.h>

#include <string>

#include "check/GS1DigitalLink.h"

namespace quillmark {
namespace {

const std::string F = "\xE0";  // FNC1 in the field's notation

struct RoundTrip {
    std::string fieldText;  // as the reverse gives it, FNC1 after variable-length data
    std::string stem;
    std::string uri;
};

// clang-format off
const RoundTrip kRoundTrips[] = {
    {"(01)09501101530003", "https://id.gs1.org", "https://id.gs1.org/01/09501101530003"},
    {"(01)09501101530003(10)ABC123" + F + "(17)251231", "https://id.gs1.org",
     "https://id.gs1.org/01/09501101530003/10/ABC123?17=251231"},
    {"(01)09501101530003(22)2A" + F + "(10)ABC/123" + F + "(21)456", "https://example.com",
     "https://example.com/01/09501101530003/22/2A/10/ABC%2F123/21/456"},
    {"(00)095011015300000003", "https://id.gs1.org", "https://id.gs1.org/00/095011015300000003"},
    {"(414)9501101530003(254)32a/b", "https://id.gs1.org",
     "https://id.gs1.org/414/9501101530003/254/32a%2Fb"},
    {"(8004)0950110153ABC", "https://id.gs1.org", "https://id.gs1.org/8004/0950110153ABC"},
    // The other alternative of the GTIN's qualifiers; query AIs keep their order.
    {"(01)09501101530003(235)XYZ+1!" + F + "(3103)000189(17)251231", "https://id.gs1.org/",
     "https://id.gs1.org/01/09501101530003/235/XYZ%2B1%21?3103=000189&17=251231"},
    // A qualifier left out keeps the others in order; a custom stem with a path of its own.
    {"(01)09501101530003(21)A%_-.b'&=" + F + "(17)250100", "http://brand.example/shop/p",
     "http://brand.example/shop/p/01/09501101530003/21/A%25_-.b%27%26%3D?17=250100"},
    {"(8006)095011015300030102" + F + "(10)LOT7", "https://d.example",
     "https://d.example/8006/095011015300030102/10/LOT7"},
    {"(8010)9501101ABC/-" + F + "(8011)123", "https://id.gs1.org",
     "https://id.gs1.org/8010/9501101ABC%2F-/8011/123"},
    {"(8017)795011015300000002" + F + "(8019)42", "https://id.gs1.org",
     "https://id.gs1.org/8017/795011015300000002/8019/42"},
    {"(417)9501101530003(7040)1AB-", "https://id.gs1.org",
     "https://id.gs1.org/417/9501101530003/7040/1AB-"},
    {"(253)9501101530003DOC-1", "https://id.gs1.org", "https://id.gs1.org/253/9501101530003DOC-1"},
    // The key need not come first in the element string; the URI's order is the path's.
    {"(10)L1" + F + "(01)09501101530003", "https://id.gs1.org",
     "https://id.gs1.org/01/09501101530003/10/L1"},
};
// clang-format on

std::string WithoutFNC1(std::string text) {
    std::erase(text, F[0]);
    return text;
}

TEST(GS1DigitalLink, ElementStringsAndURIsTurnIntoEachOther) {
    for (const RoundTrip& c : kRoundTrips) {
        SCOPED_TRACE(c.uri);
        // Without its FNC1 the element string is the same data: parentheses delimit the AIs.
        for (const std::string& given : {c.fieldText, WithoutFNC1(c.fieldText)}) {
            const DigitalLinkResult uri = DigitalLinkFromElementString(given, c.stem);
            EXPECT_EQ(uri.text.value_or(uri.reason), c.uri);
        }
        const DigitalLinkResult back = ElementStringFromDigitalLink(c.uri);
        const std::string text = back.text.value_or(back.reason);
        if (c.fieldText.starts_with("(10)")) {
            EXPECT_EQ(text, "(01)09501101530003(10)L1");
        } else {
            EXPECT_EQ(text, c.fieldText);
        }
        EXPECT_FALSE(back.finding) << back.finding->found;
    }
}

// What a URI may hold besides AIs, and spellings the reverse reads as the same data.
TEST(GS1DigitalLink, ReadsWhatTheURIMayHoldBesides) {
    const std::pair<std::string, std::string> kCases[] = {
        {"HTTPS://id.gs1.org/01/09501101530003?linkType=gs1:pip&17=251231#top",
         "(01)09501101530003(17)251231"},
        {"https://id.gs1.org/01/09501101530003/10/%61bc?&x=1&", "(01)09501101530003(10)abc"},
        {"https://example.com/01/x/01/09501101530003", "(01)09501101530003"},
        {"https://example.com/a/b/c/00/095011015300000003?", "(00)095011015300000003"},
    };
    for (const auto& [uri, expected] : kCases) {
        const DigitalLinkResult r = ElementStringFromDigitalLink(uri);
        EXPECT_EQ(r.text.value_or(r.reason), expected) << uri;
    }
}

struct Refusal {
    std::string input;
    std::string reason;  // a part of the reason, when no finding gives it
    std::optional<GS1Problem> problem{};
};

// clang-format off
const Refusal kRefusedURIs[] = {
    {"ftp://id.gs1.org/01/09501101530003", "not an http"},
    {"urn:epc:id:sgtin:9501101.053000.1", "not an http"},
    {"https:///01/09501101530003", "no host"},
    {"https://id.gs1.org", "no primary key"},
    {"https://id.gs1.org/", "no primary key"},
    {"https://id.gs1.org/10/ABC?17=251231", "no primary key"},
    {"https://id.gs1.org/01/09501101530003/10/ABC/", "no primary key"},
    {"https://id.gs1.org/01/09501101530003/10", "no primary key"},
    {"https://id.gs1.org/ARHKVAdpQgTdqiXY", "compressed"},
    {"https://id.gs1.org/01/09501101530003/21/1/10/A", "out of order"},
    {"https://id.gs1.org/01/09501101530003/10/A/10/B", "out of order"},
    {"https://id.gs1.org/01/09501101530003/17/251231", "belongs in the query"},
    {"https://id.gs1.org/01/09501101530003/9999/1", "no AI the dictionary knows"},
    {"https://id.gs1.org/01/09501101530003?9999=1", "no AI the dictionary knows"},
    {"https://id.gs1.org/01/09501101530003?254=12", "qualifies (414)"},
    {"https://id.gs1.org/01/09501101530003?00=095011015300000003", "two primary keys"},
    {"https://id.gs1.org/01/09501101530003/10/AB%2", "malformed percent-encoding \"%2\""},
    {"https://id.gs1.org/01/09501101530003/10/AB%G1", "malformed percent-encoding"},
    {"https://id.gs1.org/01/09501101530003/10/A%20B", "cannot hold"},
    {"https://id.gs1.org/01/09501101530003/10/A%E0B", "cannot hold"},
    {"https://id.gs1.org/01/09501101530003/10/A%0AB", "cannot hold"},
    {"https://id.gs1.org/01/09501101530003/10/A%28B", "cannot carry"},
    {"https://id.gs1.org/01/0950110153 0003", "at position 33"},
    {"https://id.gs1.org/01/09501101530004", "", GS1Problem::WrongCheckDigit},
    {"https://id.gs1.org/00/095011015300000005", "", GS1Problem::WrongCheckDigit},
    {"https://id.gs1.org/414/9501101530004/254/32a%2Fb", "", GS1Problem::WrongCheckDigit},
    {"https://id.gs1.org/01/9501101530003", "", GS1Problem::DataTooShort},
    {"https://id.gs1.org/01/09501101530003?17=251331", "", GS1Problem::InvalidMonth},
    {"https://id.gs1.org/01/09501101530003?17=", "", GS1Problem::DataTooShort},
    {"https://id.gs1.org/01/09501101530003/10/A%7BB", "", GS1Problem::InvalidCharacter},
    {"https://id.gs1.org/01/09501101530003/21/1?235=2", "", GS1Problem::ExclusiveAIs},
    {"https://id.gs1.org/01/09501101530003/10/A?10=B", "", GS1Problem::RepeatedAI},
};

const Refusal kRefusedElementStrings[] = {
    {"(10)ABC" + F + "(17)251231", "no primary key"},
    {"", "", GS1Problem::NoElementStrings},
    {"(01)09501101530003(00)095011015300000003", "two primary keys, (01) and (00)"},
    {"(01)09501101530003(254)AB", "(254) qualifies (414), which the data lacks"},
    {"(00)095011015300000003(8019)1", "qualifies (8017) or (8018)"},
    {"(01)09501101530004", "", GS1Problem::WrongCheckDigit},
    {"(01)09501101530003(10)A B", "", GS1Problem::SpaceInData},
    {"(01)09501101530003(10)A\xC4", "", GS1Problem::ControlCharacter},
    {"(01)09501101530003(99", "", GS1Problem::UnclosedAI},
    {"09501101530003", "", GS1Problem::DataWithoutAI},
};
// clang-format on

void ExpectRefused(const DigitalLinkResult& r, const Refusal& c) {
    SCOPED_TRACE(c.input);
    EXPECT_FALSE(r.text) << *r.text;
    if (c.problem) {
        ASSERT_TRUE(r.finding) << r.reason;
        EXPECT_EQ(r.finding->problem, *c.problem);
    } else {
        EXPECT_FALSE(r.finding);
        EXPECT_NE(r.reason.find(c.reason), std::string::npos) << r.reason;
    }
}

TEST(GS1DigitalLink, RefusesURIsWithTheReason) {
    for (const Refusal& c : kRefusedURIs) ExpectRefused(ElementStringFromDigitalLink(c.input), c);
}

TEST(GS1DigitalLink, RefusesElementStringsWithTheReason) {
    for (const Refusal& c : kRefusedElementStrings)
        ExpectRefused(DigitalLinkFromElementString(c.input), c);
    for (const char* stem : {"ftp://id.gs1.org", "id.gs1.org", "https://", "https:///x",
                             "https://a b", "https://x?q=1"})
        ExpectRefused(DigitalLinkFromElementString("(01)09501101530003", stem), {stem, "stem"});
}

}  // namespace
}  // namespace quillmark
