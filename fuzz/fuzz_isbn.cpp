// Fuzzes the ISBN-13 hyphenation with arbitrary bytes and with the group of every table row.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>

#include "FuzzCanvas.h"
#include "isbn/ISBN13.h"
#include "isbn/ISBNAreas.h"

namespace {

using quillmark::fuzz::Check;

bool AllDigits(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A line for 13 digits is "ISBN PPP-G-P-T-C" (PPP the first three digits, 978 or 979 for a book):
// the parts between the hyphens give back the nine digits after the prefix, and C is the check
// digit or "e".
void CheckLine(const std::string& digits, const std::string& line) {
    const std::string head = "ISBN " + digits.substr(0, 3) + "-";
    Check(line.rfind(head, 0) == 0, "line does not start with ISBN and the prefix");
    std::string rest = line.substr(head.size());
    Check(std::count(rest.begin(), rest.end(), '-') == 3, "line has not four parts");
    const std::size_t last = rest.rfind('-');
    const std::string check = rest.substr(last + 1);
    Check(check == digits.substr(12, 1) || check == "e", "wrong check character");
    std::string body = rest.substr(0, last);
    body.erase(std::remove(body.begin(), body.end(), '-'), body.end());
    Check(body == digits.substr(3, 9), "group, publisher and title lose or add digits");
    Check(rest.find("--") == std::string::npos && rest[0] != '-', "an empty group or publisher");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto table = quillmark::ISBNAreaTable();
    std::string input;
    if (in.ConsumeBool()) {
        // A well-formed book number whose group is the one of a chosen row.
        const auto& row = table[in.ConsumeIntegralInRange<std::size_t>(0, table.size() - 1)];
        input = std::to_string(row.Prefix) + std::to_string(row.GroupID);
        while (input.size() < 13) input += static_cast<char>('0' + in.ConsumeIntegralInRange(0, 9));
    } else {
        input = in.ConsumeRemainingBytesAsString();
    }
    const std::string line = quillmark::FormatISBN13(input);
    if (input.size() == 13 && AllDigits(input)) CheckLine(input, line);
    return 0;
}
