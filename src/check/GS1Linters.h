// The content checks of AI data the GS1 dictionary names for its components.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "check/GS1Check.h"
#include "check/GS1Dictionary.h"

namespace quillmark {

// What a linter or character-set check found wrong in one component.
struct GS1LintFault {
    GS1Problem problem = GS1Problem::InvalidValue;
    std::size_t offset = 0;  // of the character where it shows, within the component
    std::string expected;
    std::string found;
};

// Runs the linter over one component's data; nullopt when it is sound.
std::optional<GS1LintFault> Lint(GS1Linter linter, std::string_view component);

// The first character of the component outside its type's character set: 'N' digits, 'X' set 82,
// 'Y' set 39, 'Z' set 64. NonDigit or InvalidCharacter.
std::optional<GS1LintFault> CheckCharacterSet(char type, std::string_view component);

}  // namespace quillmark
