// Serial runs: parsing, the counted field of each symbology, check digits, refusals.
#include "symbol/SerialNumbers.h"

#include <gtest/gtest.h>

#include <vector>

namespace quillmark {
namespace {

TEST(SerialNumbers, ParsesStartCountAndStep) {
    const struct {
        const char* text;
        bool ok;
        const char* start;
        std::uint64_t count, step;
    } cases[] = {
        {"1:10", true, "1", 10, 1},
        {"0001:10:5", true, "0001", 10, 5},
        {"1", false, "", 0, 0},
        {"a:1", false, "", 0, 0},
        {"1:", false, "", 0, 0},
        {"1:2:", false, "", 0, 0},
        {":5", false, "", 0, 0},
        {"1:-2", false, "", 0, 0},
        {"1:99999999999999999999", false, "", 0, 0},
        {"1:2:3:4", false, "", 0, 0},
    };
    for (const auto& c : cases) {
        const std::optional<SerialRun> run = ParseSerialRun(c.text);
        ASSERT_EQ(run.has_value(), c.ok) << c.text;
        if (!run) continue;
        EXPECT_EQ(run->start, c.start);
        EXPECT_EQ(run->count, c.count);
        EXPECT_EQ(run->step, c.step);
    }
}

SymbolRequest Request(const char* type, const std::string& data) {
    SymbolRequest request;
    request.symbology = FindSymbology(type);
    (request.digits.empty() && request.symbology->digitCount == 0 ? request.fieldText
                                                                  : request.digits) = data;
    return request;
}

const std::string& Data(const SymbolRequest& request) {
    return request.fieldText.empty() ? request.digits : request.fieldText;
}

// Check digits worked by hand from GS1's weights 3, 1, 3, ... leftwards.
TEST(SerialNumbers, CountsTheFieldAndRecomputesCheckDigits) {
    const char fnc1 = static_cast<char>(224);
    const struct {
        SymbolRequest request;
        SerialRun run;
        std::vector<std::string> made;
    } cases[] = {
        {Request("EAN-13", "4006381333931"),
         {"393", 3, 1},
         {"4006381333931", "4006381333948", "4006381333955"}},
        {Request("EAN-13", "400638133393112"),
         {"93", 2, 1},
         {"400638133393112", "400638133394812"}},
        {Request("UCC/EAN-128", "(00)106141411234567897"),
         {"123456789", 2, 1},
         {"(00)106141411234567897", "(00)106141411234567903"}},
        {Request("UCC/EAN-128", "(00)106141411234567897(15)261231"),
         {"789", 2, 1},
         {"(00)106141411234567897(15)261231", "(00)106141411234567903(15)261231"}},
        {Request("UCC/EAN-128", std::string("(01)09501101530003(21)AB") + fnc1 + "(10)X"),
         {"0001", 2, 1},
         {std::string("(01)09501101530003(21)0001") + fnc1 + "(10)X",
          std::string("(01)09501101530003(21)0002") + fnc1 + "(10)X"}},
        {Request("UCC/EAN-128", "(01)09501101530003(21)XYZ123"),
         {"07", 2, 1},
         {"(01)09501101530003(21)XYZ107", "(01)09501101530003(21)XYZ108"}},
        {Request("GS1 DataMatrix", "(01)09501101530003(21)0041"),
         {"0041", 2, 1},
         {"(01)09501101530003(21)0041", "(01)09501101530003(21)0042"}},
        {Request("GS1 QR Code", "(00)106141411234567897"),
         {"789", 2, 1},
         {"(00)106141411234567897", "(00)106141411234567903"}},
    };
    for (const auto& c : cases) {
        const SerialSequence plan = PlanSerials(c.request, c.run);
        ASSERT_EQ(plan.problem, SerialProblem::None) << Data(c.request);
        ASSERT_EQ(plan.count, c.made.size());
        for (std::size_t i = 0; i < c.made.size(); ++i) {
            EXPECT_EQ(Data(SerialRequest(plan, i)), c.made[i]) << i;
        }
    }
}

TEST(SerialNumbers, RefusesRunsThatCannotBeMade) {
    const struct {
        SymbolRequest request;
        SerialRun run;
        SerialProblem problem;
    } cases[] = {
        {Request("EAN-13", "4006381333931"), {"998", 2, 1}, SerialProblem::None},
        {Request("EAN-13", "4006381333931"), {"999", 2, 1}, SerialProblem::Overflow},
        {Request("EAN-13", "4006381333931"), {"990", 3, 5}, SerialProblem::Overflow},
        {Request("EAN-13", "4006381333931"), {"000000000000", 2, 1}, SerialProblem::None},
        {Request("EAN-13", "4006381333931"), {"0000000000000", 2, 1}, SerialProblem::StartTooWide},
        {Request("UPC-E", "01234565"), {"0000000", 2, 1}, SerialProblem::StartTooWide},
        {Request("UCC/EAN-128", "(00)106141411234567897"), {"1", 2, 0}, SerialProblem::ZeroCount},
        {Request("UCC/EAN-128", "(00)106141411234567897"), {"1", 0, 1}, SerialProblem::ZeroCount},
        {Request("UCC/EAN-128", "(00)106141411234567897"),
         {"1", kMaxSerialCount + 1, 1},
         SerialProblem::TooMany},
        {Request("UCC/EAN-128", "(01)09501101530003(10)AB"),
         {"1", 2, 1},
         SerialProblem::NoCountedField},
        {Request("ITF-14", "15400141288763"), {"x", 2, 1}, SerialProblem::Malformed},
        // The URI drawn is made from the element string once: nothing of it can be counted.
        {Request("GS1 Digital Link QR", "(01)09501101530003(21)0041"),
         {"1", 2, 1},
         SerialProblem::LinkNotCounted},
        {Request("UCC/EAN-128", "(00)106141411234567897"),
         {"9999999999999999999", 1, 1},
         SerialProblem::StartTooWide},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlanSerials(c.request, c.run).problem, c.problem)
            << Data(c.request) << " " << c.run.start;
    }
}

}  // namespace
}  // namespace quillmark
