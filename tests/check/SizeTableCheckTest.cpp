// GS1's symbol size tables against each symbology at its smallest and largest
// magnification, under each application, with the mend each finding offers.
#include "check/SizeTableCheck.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmark {
namespace {

using P = SizeProblem;

struct Expected {
    P problem;
    Severity severity;
    unsigned short mend;
};

struct Case {
    const char* type;
    unsigned short size;  // UCC/EAN-128: the horizontal magnification
    Application application;
    std::vector<Expected> findings;
};

SymbolRequest Request(const char* type, unsigned short size) {
    SymbolRequest r;
    r.symbology = FindSymbology(type);
    r.sizePercent = size;
    r.gSizePercent = size;
    return r;
}

TEST(SizeTableCheck, EachSymbologyAtItsLimitsUnderEachApplication) {
    const auto GD = Application::GeneralDistribution;
    const auto POS = Application::RetailPOS;
    const auto HC = Application::HealthcareNonRetail;
    const Expected notListed{P::NotListed, Severity::Warning, 0};
    std::vector<Case> cases;
    for (const char* type : {"EAN-13", "ISBN-13", "EAN-8", "UPC-A", "UPC-E"}) {
        // 80 %: X 0.264 mm; 200 %: X 0.660 mm.
        cases.push_back({type, 80, GD, {{P::XBelowMinimum, Severity::Failure, 200}}});
        cases.push_back({type, 200, GD, {}});
        cases.push_back({type, 80, POS, {{P::XOffTarget, Severity::Warning, 100}}});
        cases.push_back({type, 100, POS, {}});
        cases.push_back({type, 200, POS, {{P::XOffTarget, Severity::Warning, 100}}});
        cases.push_back({type, 100, HC, {notListed}});
    }
    // ITF-14: 25 % is X 0.254 mm with bars 8 mm high; at 100 % the bars stand 32 mm, and the
    // target X (49 %) would cut them to 15.7 mm, so no aim is offered there.
    cases.push_back(
        {"ITF-14",
         25,
         GD,
         {{P::XBelowMinimum, Severity::Failure, 49}, {P::BarsTooShort, Severity::Failure, 100}}});
    cases.push_back({"ITF-14", 100, GD, {}});
    cases.push_back({"ITF-14", 100, POS, {notListed}});
    cases.push_back({"ITF-14", 100, HC, {notListed}});
    // UCC/EAN-128: X 0.250 mm at 100 %, 1.0175 mm at 407 %.
    cases.push_back({"UCC/EAN-128", 100, GD, {{P::XBelowMinimum, Severity::Failure, 198}}});
    cases.push_back({"UCC/EAN-128", 198, GD, {}});
    cases.push_back({"UCC/EAN-128", 407, GD, {{P::XAboveMaximum, Severity::Failure, 198}}});
    cases.push_back({"UCC/EAN-128", 100, POS, {notListed}});
    cases.push_back({"UCC/EAN-128", 100, HC, {{P::XOffTarget, Severity::Warning, 198}}});
    cases.push_back({"UCC/EAN-128", 407, HC, {{P::XAboveMaximum, Severity::Failure, 198}}});
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " at " + std::to_string(c.size) + " % for " +
                     std::string(ApplicationName(c.application)));
        const auto found = CheckSizeTable(Request(c.type, c.size), c.application);
        ASSERT_EQ(found.size(), c.findings.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].problem, c.findings[i].problem);
            EXPECT_EQ(found[i].severity, c.findings[i].severity);
            EXPECT_EQ(found[i].mendPercent, c.findings[i].mend);
        }
    }
}

// The 2D rows: the module against each application's minimum, target and maximum, the module
// that mends it, and the QR Code rows read for the Digital Link QR Code too.
TEST(SizeTableCheck, The2DSymbolsModuleUnderEachApplication) {
    const auto GD = Application::GeneralDistribution;
    const auto POS = Application::RetailPOS;
    const auto HC = Application::HealthcareNonRetail;
    struct MatrixCase {
        Symbology symbology;
        double moduleMm;
        Application application;
        std::vector<std::pair<P, double>> findings;  // problem and the module that mends it
    };
    using S = Symbology;
    // clang-format off
    const MatrixCase kCases[] = {
        {S::GS1DataMatrix, 0.5, GD, {{P::XBelowMinimum, 0.743}}},
        {S::GS1DataMatrix, 0.743, GD, {}},
        {S::GS1DataMatrix, 1.5, GD, {{P::XOffTarget, 0.743}}},
        {S::GS1QR, 0.7, GD, {{P::XBelowMinimum, 0.743}}},
        {S::DigitalLinkQR, 0.8, GD, {}},
        {S::GS1QR, 1.501, GD, {{P::XAboveMaximum, 0.743}}},
        {S::GS1DataMatrix, 0.5, POS, {}},
        {S::GS1DataMatrix, 0.3, POS, {{P::XBelowMinimum, 0.495}}},
        {S::GS1QR, 0.396, POS, {{P::XOffTarget, 0.495}}},
        {S::DigitalLinkQR, 1.0, POS, {{P::XAboveMaximum, 0.495}}},
        {S::GS1DataMatrix, 0.254, HC, {}},
        {S::GS1DataMatrix, 0.615, HC, {}},
        {S::GS1DataMatrix, 0.7, HC, {{P::XAboveMaximum, 0.615}}},
        {S::GS1QR, 0.5, HC, {{P::NotListed, 0}}},
    };
    // clang-format on
    for (const MatrixCase& c : kCases) {
        SymbolRequest r;
        r.symbology = &SymbologyOf(c.symbology);
        r.moduleMm = c.moduleMm;
        SCOPED_TRACE(std::string(r.symbology->name) + " at " + std::to_string(c.moduleMm) +
                     " mm for " + std::string(ApplicationName(c.application)));
        const auto found = CheckSizeTable(r, c.application);
        ASSERT_EQ(found.size(), c.findings.size());
        for (std::size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].problem, c.findings[i].first);
            EXPECT_EQ(found[i].severity, c.findings[i].first == P::XBelowMinimum ||
                                                 c.findings[i].first == P::XAboveMaximum
                                             ? Severity::Failure
                                             : Severity::Warning);
            EXPECT_DOUBLE_EQ(found[i].mendModuleMm, c.findings[i].second);
            EXPECT_EQ(found[i].mendPercent, 0);
        }
    }
}

// UCC/EAN-128's bars follow the vertical magnification and meet distribution's 31.75 mm from
// 100 % (32 mm); applications are named in either form and any case.
TEST(SizeTableCheck, BarHeightAndNames) {
    SymbolRequest ucc = Request("UCC/EAN-128", 198);
    EXPECT_TRUE(CheckSizeTable(ucc, Application::GeneralDistribution).empty());
    for (const auto& [name, application] :
         {std::pair{"distribution", Application::GeneralDistribution},
          {"Retail-POS", Application::RetailPOS},
          {"HEALTHCARE", Application::HealthcareNonRetail}}) {
        EXPECT_EQ(ApplicationByName(name), application) << name;
        EXPECT_EQ(ApplicationByName(ApplicationName(application)), application);
    }
    EXPECT_EQ(ApplicationByName("logistics"), std::nullopt);
    EXPECT_TRUE(CheckSizeTable(Request("EAN-14", 100), Application::RetailPOS).empty());
}

}  // namespace
}  // namespace quillmark
