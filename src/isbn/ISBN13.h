// Hyphenation of an ISBN-13 into group, publisher, title and check digit.
#pragma once

#include <string>
#include <string_view>

namespace quillmark {

// "ISBN 978-G-P-T-C" from 13 digits; C is "e" for a group the table does not accept.
std::string FormatISBN13(std::string_view digits);

}  // namespace quillmark
