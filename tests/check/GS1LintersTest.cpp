// Each linter and character set on a value that keeps its rule and one that breaks it.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>

#include "check/GS1Linters.h"

namespace quillmark {
namespace {

using L = GS1Linter;
using P = GS1Problem;

struct LintCase {
    GS1Linter linter;
    std::string sound;
    std::string faulty;
    GS1Problem problem;
    std::size_t offset;  // where the fault shows in the faulty value
};

// clang-format off
const LintCase kCases[] = {
    {L::csum, "09501101530003", "09501101530004", P::WrongCheckDigit, 13},
    {L::csum, "095011015300000003", "095011015300000002", P::WrongCheckDigit, 17},
    {L::csumalpha, "1987654Ad4X4bL5ttr2310c2K", "1987654Ad4X4bL5ttr2310c2L", P::WrongCheckCharacters, 23},
    {L::csumalpha, "1987654Ad4X4bL5ttr2310c2K", "1987654Ad4X4bL5ttr2311c2K", P::WrongCheckCharacters, 23},
    {L::key, "0614141ABC", "061A41", P::NoCompanyPrefix, 0},
    {L::key, "1234", "123", P::NoCompanyPrefix, 0},
    {L::yymmd0, "251200", "251300", P::InvalidMonth, 2},
    {L::yymmd0, "240229", "250229", P::ImpossibleDate, 4},
    {L::yymmd0, "250430", "250431", P::ImpossibleDate, 4},
    {L::yymmdd, "251231", "251200", P::ImpossibleDate, 4},
    {L::yymmdd, "250101", "250001", P::InvalidMonth, 2},
    {L::yymmddhh, "25123123", "25123124", P::InvalidHour, 6},
    {L::yymmddhh, "25123100", "25123200", P::ImpossibleDate, 4},
    {L::hhmm, "2359", "2400", P::InvalidHour, 0},
    {L::hhmm, "0000", "0060", P::InvalidMinute, 2},
    {L::mmoptss, "5959", "5960", P::InvalidSecond, 2},
    {L::mmoptss, "59", "60", P::InvalidMinute, 0},
    {L::mmoptss, "30", "301", P::InvalidValue, 0},
    {L::iso3166, "250", "999", P::UnknownCountry, 0},
    {L::iso3166, "004", "001", P::UnknownCountry, 0},
    {L::iso3166999, "999", "998", P::UnknownCountry, 0},
    {L::iso3166alpha2, "FR", "XX", P::UnknownCountry, 0},
    {L::iso3166alpha2, "DE", "de", P::UnknownCountry, 0},
    {L::iso3166alpha2, "AD", "AA", P::UnknownCountry, 0},  // the ends of the sorted list
    {L::iso3166alpha2, "ZW", "ZZ", P::UnknownCountry, 0},
    {L::iso3166list, "250276528", "250277", P::UnknownCountry, 3},
    {L::iso3166list, "040", "0402", P::InvalidValue, 0},
    {L::iso4217, "978", "001", P::UnknownCurrency, 0},
    {L::iso4217, "840", "841", P::UnknownCurrency, 0},
    {L::pcenc, "A%20B%7e", "A%2GB", P::InvalidValue, 1},
    {L::pcenc, "100%25", "100%", P::InvalidValue, 3},
    {L::iban, "GB82WEST12345698765432", "GB82WEST12345698765433", P::InvalidValue, 0},
    {L::iban, "DE89370400440532013000", "DE8937040044053201300", P::InvalidValue, 0},
    {L::iban, "NO9386011117947", "QQ9386011117947", P::UnknownCountry, 0},
    {L::iban, "AD1200012030200359100100", "AA1200012030200359100100", P::UnknownCountry, 0},
    {L::iban, "BE68539007547034", "BE68539007547o34", P::InvalidValue, 0},
    {L::latitude, "1800000000", "1800000001", P::InvalidValue, 0},
    {L::longitude, "3600000000", "3600000001", P::InvalidValue, 0},
    {L::yesno, "1", "2", P::InvalidValue, 0},
    {L::zero, "0", "1", P::InvalidValue, 0},
    {L::nonzero, "00001", "00000", P::InvalidValue, 0},
    {L::winding, "9", "2", P::InvalidValue, 0},
    {L::pieceoftotal, "0202", "0302", P::InvalidValue, 0},
    {L::pieceoftotal, "0199", "0001", P::InvalidValue, 0},
    {L::nozeroprefix, "0", "01", P::InvalidValue, 0},
    {L::hyphen, "-", "+", P::InvalidValue, 0},
    {L::mediatype, "10", "11", P::InvalidValue, 0},
    {L::mediatype, "80", "00", P::InvalidValue, 0},
    {L::importeridx, "_", "!", P::InvalidValue, 0},
    {L::couponcode, "106141416543213500110000310123196000", "106141416543213500110000310133196000", P::InvalidValue, 0},
    {L::couponcode, "106141416543213500110000", "10614141654321350011000", P::InvalidValue, 0},
    {L::couponcode, "1061414165432135001100005" "0123456", "1061414165432135001100008" "0123456", P::InvalidValue, 0},
    {L::couponposoffer, "0106141411234560123456", "2106141411234560123456", P::InvalidValue, 0},
    {L::couponposoffer, "1006141412345611234567", "10061414123456112345678", P::InvalidValue, 0},
};
// clang-format on

class Linters : public ::testing::TestWithParam<LintCase> {};

TEST_P(Linters, SoundPassesAndFaultyIsFound) {
    const LintCase& c = GetParam();
    EXPECT_FALSE(Lint(c.linter, c.sound)) << c.sound;
    const std::optional<GS1LintFault> fault = Lint(c.linter, c.faulty);
    ASSERT_TRUE(fault) << c.faulty;
    EXPECT_EQ(fault->problem, c.problem);
    if (c.problem != P::InvalidValue) {
        EXPECT_EQ(fault->offset, c.offset);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Linters, ::testing::ValuesIn(kCases), [](const auto& p) {
    return std::string(LinterName(p.param.linter)) + "_" + std::to_string(p.index);
});

// Every linter the dictionary names is in the table.
TEST(Linters, EveryLinterTested) {
    for (int l = 1; l <= static_cast<int>(GS1Linter::zero); ++l)
        EXPECT_TRUE(std::any_of(std::begin(kCases), std::end(kCases), [&](const LintCase& c) {
            return static_cast<int>(c.linter) == l;
        })) << LinterName(static_cast<GS1Linter>(l));
}

TEST(CharacterSets, EachTypeTakesItsOwnCharacters) {
    const struct {
        char type;
        std::string sound, faulty;
        GS1Problem problem;
        std::size_t offset;
    } cases[] = {
        {'N', "0123456789", "01234a", P::NonDigit, 5},
        {'X', "!\"%&'()*+,-./09:;<=>?AZ_az", "AB#", P::InvalidCharacter, 2},
        {'X', "abc", "a b", P::InvalidCharacter, 1},
        {'X', "abc", "a\xC4", P::InvalidCharacter, 1},
        {'Y', "#-/09AZ", "AZa", P::InvalidCharacter, 2},
        {'Y', "0614141-A", "0614141.A", P::InvalidCharacter, 7},
        {'Z', "AZaz09-_==", "AZ+", P::InvalidCharacter, 2},
        {'Z', "QUJD", "QU=D", P::InvalidCharacter, 2},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(CheckCharacterSet(c.type, c.sound)) << c.sound;
        const std::optional<GS1LintFault> fault = CheckCharacterSet(c.type, c.faulty);
        ASSERT_TRUE(fault) << c.faulty;
        EXPECT_EQ(fault->problem, c.problem) << c.faulty;
        EXPECT_EQ(fault->offset, c.offset) << c.faulty;
    }
}

}  // namespace
}  // namespace quillmark
