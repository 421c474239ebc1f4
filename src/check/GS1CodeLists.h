// The ISO code lists the GS1 linters look codes up in: countries, currencies, IBAN lengths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quillmark {

bool IsCountryCode(int code);                     // ISO 3166-1 numeric
bool IsCountryLetters(std::string_view letters);  // ISO 3166-1 alpha-2, upper case
bool IsCurrencyCode(int code);                    // ISO 4217 numeric
// The length of an IBAN of the country (two letters), or nullopt for a country without IBANs.
std::optional<std::size_t> IbanLength(std::string_view country);

}  // namespace quillmark
