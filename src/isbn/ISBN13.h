// Hyphenation of an ISBN-13 into group, publisher, title and check digit.
#pragma once

#include <string>
#include <string_view>

namespace quillmark {

// "ISBN 978-G-P-T-C" (or 979-...) from the first 13 characters of digits, split by the range
// message's groups and publisher ranges (the check digit is copied unverified); C is "e" where
// the ranges leave the group or the publisher undefined. Returns an empty string when digits
// holds fewer than 13 characters or a non-digit among its first 13.
std::string FormatISBN13(std::string_view digits);

}  // namespace quillmark
