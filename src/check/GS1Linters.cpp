// The content checks of AI data the GS1 dictionary names, each a small pure function.
#include "check/GS1Linters.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <utility>

#include "check/GS1CodeLists.h"
#include "encoders/EANUPC.h"

namespace quillmark {

namespace {

using Fault = std::optional<GS1LintFault>;
using P = GS1Problem;

// Character set 82 in the order of its values, which the check character pair weighs.
constexpr std::string_view kSet82 =
    "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view kSet39 = "#-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kSet64 =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";
constexpr std::string_view kDigits = "0123456789";

bool AllDigits(std::string_view s) {
    return s.find_first_not_of(kDigits) == std::string_view::npos;
}

// The value of digits known to be digits (at most nine of them).
int Number(std::string_view digits) {
    int n = 0;
    for (const char c : digits) n = n * 10 + (c - '0');
    return n;
}

GS1LintFault Found(P problem, std::size_t offset, std::string_view found,
                   std::string expected = {}) {
    return {problem, offset, std::move(expected), std::string(found)};
}

GS1LintFault Invalid(std::string_view component) {
    return Found(P::InvalidValue, 0, component);
}

bool IsLeapYear(int yy) {
    // GS1 reads YY within 49 years back and 50 ahead, which holds no century year but 2000.
    return yy % 4 == 0;
}

int DaysInMonth(int yy, int mm) {
    constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return mm == 2 && !IsLeapYear(yy) ? 28 : kDays[mm - 1];
}

// YYMMDD; day 00 (the end of the month) only where dayZero allows it.
Fault Date(std::string_view s, bool dayZero) {
    if (s.size() < 6 || !AllDigits(s.substr(0, 6))) return Invalid(s);
    const int mm = Number(s.substr(2, 2)), dd = Number(s.substr(4, 2));
    if (mm < 1 || mm > 12) return Found(P::InvalidMonth, 2, s.substr(2, 2));
    if ((dd == 0 && !dayZero) || dd > DaysInMonth(Number(s.substr(0, 2)), mm))
        return Found(P::ImpossibleDate, 4, s.substr(0, 6));
    return std::nullopt;
}

Fault Part(std::string_view s, std::size_t at, int most, P problem) {
    if (s.size() < at + 2 || !AllDigits(s.substr(at, 2))) return Invalid(s);
    if (Number(s.substr(at, 2)) > most) return Found(problem, at, s.substr(at, 2));
    return std::nullopt;
}

Fault Yymmd0(std::string_view s) {
    return Date(s, true);
}

Fault Yymmdd(std::string_view s) {
    return Date(s, false);
}

Fault Yymmddhh(std::string_view s) {
    if (Fault f = Date(s, false)) return f;
    return Part(s, 6, 23, P::InvalidHour);
}

Fault Hhmm(std::string_view s) {
    if (Fault f = Part(s, 0, 23, P::InvalidHour)) return f;
    return Part(s, 2, 59, P::InvalidMinute);
}

// Minutes, and seconds if four digits.
Fault Mmoptss(std::string_view s) {
    if (s.size() != 2 && s.size() != 4) return Invalid(s);
    if (Fault f = Part(s, 0, 59, P::InvalidMinute)) return f;
    return s.size() == 4 ? Part(s, 2, 59, P::InvalidSecond) : std::nullopt;
}

Fault Csum(std::string_view s) {
    if (s.size() < 2 || !AllDigits(s)) return Invalid(s);
    const char want = static_cast<char>('0' + *GS1CheckDigit(s.substr(0, s.size() - 1)));
    if (s.back() == want) return std::nullopt;
    return Found(P::WrongCheckDigit, s.size() - 1, s.substr(s.size() - 1), std::string(1, want));
}

// The check character pair at the end: the characters' set-82 values weighed by primes that
// grow from right to left, modulo 1021, written as two characters of a 32-character set.
Fault Csumalpha(std::string_view s) {
    constexpr std::array<int, 23> kPrimes = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37,
                                             41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83};
    constexpr std::string_view kPairSet = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
    if (s.size() < 3 || s.size() - 2 > kPrimes.size()) return Invalid(s);
    const std::size_t n = s.size() - 2;
    int sum = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t value = kSet82.find(s[i]);
        if (value == std::string_view::npos) return Invalid(s);
        sum += static_cast<int>(value) * kPrimes[n - 1 - i];
    }
    sum %= 1021;
    const std::string want{kPairSet[static_cast<std::size_t>(sum >> 5)],
                           kPairSet[static_cast<std::size_t>(sum & 31)]};
    if (s.substr(n) == want) return std::nullopt;
    return Found(P::WrongCheckCharacters, n, s.substr(n), want);
}

// A key starts with a GS1 Company Prefix, whose shortest form is four digits.
Fault Key(std::string_view s) {
    constexpr std::size_t kShortestPrefix = 4;
    const std::string_view start = s.substr(0, kShortestPrefix);
    if (start.size() == kShortestPrefix && AllDigits(start)) return std::nullopt;
    return Found(P::NoCompanyPrefix, 0, start);
}

Fault Country(std::string_view s, bool allowUnknown999) {
    if (s.size() != 3 || !AllDigits(s)) return Invalid(s);
    const int code = Number(s);
    if (IsCountryCode(code) || (allowUnknown999 && code == 999)) return std::nullopt;
    return Found(P::UnknownCountry, 0, s);
}

Fault Iso3166(std::string_view s) {
    return Country(s, false);
}

Fault Iso3166999(std::string_view s) {
    return Country(s, true);
}

Fault Iso3166list(std::string_view s) {
    if (s.empty() || s.size() % 3 != 0) return Invalid(s);
    for (std::size_t at = 0; at < s.size(); at += 3)
        if (Fault f = Country(s.substr(at, 3), false)) {
            f->offset = at;
            return f;
        }
    return std::nullopt;
}

Fault Iso3166alpha2(std::string_view s) {
    if (IsCountryLetters(s)) return std::nullopt;
    return Found(P::UnknownCountry, 0, s);
}

Fault Iso4217(std::string_view s) {
    if (s.size() != 3 || !AllDigits(s)) return Invalid(s);
    if (IsCurrencyCode(Number(s))) return std::nullopt;
    return Found(P::UnknownCurrency, 0, s);
}

// "%" only before two hexadecimal digits.
Fault Pcenc(std::string_view s) {
    for (std::size_t i = s.find('%'); i != std::string_view::npos; i = s.find('%', i + 3)) {
        const std::string_view hex = s.substr(i + 1, 2);
        if (hex.size() < 2 || hex.find_first_not_of("0123456789ABCDEFabcdef") != hex.npos)
            return Found(P::InvalidValue, i, s.substr(i, 3));
    }
    return std::nullopt;
}

// Country letters, two check digits and the account in capitals and digits, of the country's
// length; read with the first four characters moved to the end and letters as 10..35, mod 97 is 1.
Fault Iban(std::string_view s) {
    const std::optional<std::size_t> length =
        s.size() >= 4 ? IbanLength(s.substr(0, 2)) : std::nullopt;
    if (!length) return Found(P::UnknownCountry, 0, s.substr(0, 2));
    if (s.size() != *length || !AllDigits(s.substr(2, 2)) ||
        s.find_first_not_of("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ") != s.npos)
        return Invalid(s);
    int remainder = 0;
    const std::string rotated = std::string(s.substr(4)) + std::string(s.substr(0, 4));
    for (const char c : rotated) {
        const int value = c <= '9' ? c - '0' : c - 'A' + 10;
        remainder = (remainder * (value < 10 ? 10 : 100) + value) % 97;
    }
    return remainder == 1 ? std::nullopt : Fault(Invalid(s));
}

// Degrees times ten million, offset to be positive: latitude +90, longitude +180.
Fault Degrees(std::string_view s, std::int64_t most) {
    if (!AllDigits(s) || s.size() != 10) return Invalid(s);
    std::int64_t v = 0;
    for (const char c : s) v = v * 10 + (c - '0');
    return v <= most ? std::nullopt : Fault(Invalid(s));
}

// The value must be one of the listed strings.
Fault OneOf(std::string_view s, std::initializer_list<std::string_view> allowed) {
    return std::find(allowed.begin(), allowed.end(), s) != allowed.end() ? std::nullopt
                                                                         : Fault(Invalid(s));
}

// Two digits of the piece number and two of the total: 1 <= piece <= total.
Fault Pieceoftotal(std::string_view s) {
    if (s.size() != 4 || !AllDigits(s)) return Invalid(s);
    const int piece = Number(s.substr(0, 2)), total = Number(s.substr(2, 2));
    return piece >= 1 && piece <= total ? std::nullopt : Fault(Invalid(s));
}

Fault Mediatype(std::string_view s) {
    if (s.size() != 2 || !AllDigits(s)) return Invalid(s);
    const int type = Number(s);
    return (type >= 1 && type <= 10) || type >= 80 ? std::nullopt : Fault(Invalid(s));
}

Fault Importeridx(std::string_view s) {
    constexpr std::string_view kIndex =
        "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
    return s.size() == 1 && kIndex.find(s[0]) != kIndex.npos ? std::nullopt : Fault(Invalid(s));
}

// Reads the fields of a coupon's digits one after the other; the first broken rule stops it.
class CouponReader {
public:
    explicit CouponReader(std::string_view s) : s_(s) {}

    // n digits, or nothing when they are not there; the value of more than nine is not needed.
    std::optional<int> Digits(std::size_t n) {
        if (!ok_ || at_ + n > s_.size() || !AllDigits(s_.substr(at_, n))) return Fail();
        const int v = n <= 9 ? Number(s_.substr(at_, n)) : 0;
        at_ += n;
        return v;
    }
    // One digit within least..most.
    std::optional<int> Indicator(int least, int most) {
        const std::optional<int> v = Digits(1);
        if (v && (*v < least || *v > most)) return Fail();
        return v;
    }
    // A length indicator within least..most, then (indicator + add) digits.
    void Field(int least, int most, int add) {
        if (const std::optional<int> v = Indicator(least, most))
            Digits(static_cast<std::size_t>(*v + add));
    }
    void Date() {
        if (ok_ && (at_ + 6 > s_.size() || Yymmdd(s_.substr(at_, 6)))) Fail();
        Digits(6);
    }
    bool AtEnd() const { return at_ >= s_.size(); }
    Fault Result() const {
        if (ok_ && AtEnd()) return std::nullopt;
        return Found(P::InvalidValue, std::min(at_, s_.size()), s_);
    }
    bool ok() const { return ok_; }
    std::optional<int> Fail() {
        ok_ = false;
        return std::nullopt;
    }

private:
    std::string_view s_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

// A further company prefix of a purchase requirement; 9 means none.
void CouponPrefix(CouponReader& r) {
    if (const std::optional<int> vli = r.Indicator(0, 9)) {
        if (*vli == 9) return;
        if (*vli > 6) r.Fail();  // 7 and 8 are not used
        r.Digits(static_cast<std::size_t>(*vli + 6));
    }
}

// A further purchase requirement: its value, requirement code, family code and company prefix.
void PurchaseRequirement(CouponReader& r) {
    r.Field(1, 5, 0);
    r.Indicator(0, 9);
    r.Digits(3);
    CouponPrefix(r);
}

// A coupon's mandatory fields and then its optional fields in rising order of their indicators.
Fault Couponcode(std::string_view s) {
    CouponReader r(s);
    r.Field(0, 6, 6);   // company prefix
    r.Digits(6);        // offer code
    r.Field(1, 5, 0);   // save value
    r.Field(1, 5, 0);   // primary purchase requirement
    r.Indicator(0, 9);  // requirement code
    r.Digits(3);        // family code
    int last = 0;
    while (r.ok() && !r.AtEnd()) {
        const std::optional<int> field = r.Indicator(last + 1, 9);
        if (!field) break;
        last = *field;
        switch (*field) {
            case 1:  // second purchase, after its rules code
                r.Indicator(0, 3);
                PurchaseRequirement(r);
                break;
            case 2:  // third purchase
                PurchaseRequirement(r);
                break;
            case 3:  // expiration date
            case 4:  // start date
                r.Date();
                break;
            case 5:  // serial number
                r.Field(0, 9, 6);
                break;
            case 6:  // retailer
                r.Field(1, 7, 6);
                break;
            case 9:  // miscellaneous
                r.Indicator(0, 6);
                r.Indicator(0, 2);
                r.Indicator(0, 9);
                r.Indicator(0, 1);
                break;
            default:
                r.Fail();  // 7 and 8 are not used
        }
    }
    return r.Result();
}

Fault Couponposoffer(std::string_view s) {
    CouponReader r(s);
    r.Indicator(0, 1);  // format
    r.Field(0, 6, 6);   // funder's company prefix
    r.Digits(6);        // offer code
    r.Field(0, 9, 6);   // serial number
    return r.Result();
}

}  // namespace

std::optional<GS1LintFault> Lint(GS1Linter linter, std::string_view s) {
    switch (linter) {
        case GS1Linter::none:
            return std::nullopt;
        case GS1Linter::couponcode:
            return Couponcode(s);
        case GS1Linter::couponposoffer:
            return Couponposoffer(s);
        case GS1Linter::csum:
            return Csum(s);
        case GS1Linter::csumalpha:
            return Csumalpha(s);
        case GS1Linter::hhmm:
            return Hhmm(s);
        case GS1Linter::hyphen:
            return s.find_first_not_of('-') == s.npos ? std::nullopt : Fault(Invalid(s));
        case GS1Linter::iban:
            return Iban(s);
        case GS1Linter::importeridx:
            return Importeridx(s);
        case GS1Linter::iso3166:
            return Iso3166(s);
        case GS1Linter::iso3166999:
            return Iso3166999(s);
        case GS1Linter::iso3166alpha2:
            return Iso3166alpha2(s);
        case GS1Linter::iso3166list:
            return Iso3166list(s);
        case GS1Linter::iso4217:
            return Iso4217(s);
        case GS1Linter::key:
            return Key(s);
        case GS1Linter::latitude:
            return Degrees(s, 1800000000);
        case GS1Linter::longitude:
            return Degrees(s, 3600000000);
        case GS1Linter::mediatype:
            return Mediatype(s);
        case GS1Linter::mmoptss:
            return Mmoptss(s);
        case GS1Linter::nonzero:
            return s.find_first_not_of('0') != s.npos ? std::nullopt : Fault(Invalid(s));
        case GS1Linter::nozeroprefix:
            return s.size() > 1 && s[0] == '0' ? Fault(Invalid(s)) : std::nullopt;
        case GS1Linter::pcenc:
            return Pcenc(s);
        case GS1Linter::pieceoftotal:
            return Pieceoftotal(s);
        case GS1Linter::winding:
            return OneOf(s, {"0", "1", "9"});
        case GS1Linter::yesno:
            return OneOf(s, {"0", "1"});
        case GS1Linter::yymmd0:
            return Yymmd0(s);
        case GS1Linter::yymmdd:
            return Yymmdd(s);
        case GS1Linter::yymmddhh:
            return Yymmddhh(s);
        case GS1Linter::zero:
            return OneOf(s, {"0"});
    }
    return std::nullopt;
}

std::optional<GS1LintFault> CheckCharacterSet(char type, std::string_view s) {
    std::string_view set = kSet82;
    std::string_view name = "82";
    if (type == 'N') {
        set = kDigits;
    } else if (type == 'Y') {
        set = kSet39;
        name = "39";
    } else if (type == 'Z') {
        set = kSet64;
        name = "64";
        // Set 64 data may end in padding.
        const std::size_t padding = s.size() - std::min(s.size(), s.find_last_not_of('=') + 1);
        if (padding <= 2) s.remove_suffix(padding);
    }
    const std::size_t bad = s.find_first_not_of(set);
    if (bad == std::string_view::npos) return std::nullopt;
    if (type == 'N') return Found(P::NonDigit, bad, s.substr(bad, 1));
    return Found(P::InvalidCharacter, bad, s.substr(bad, 1), std::string(name));
}

}  // namespace quillmark
