// Code 128 symbol character patterns: element widths in modules, bar first.
#pragma once

#include <array>
#include <cstdint>

namespace quillmark {

extern const std::array<std::array<std::uint8_t, 6>, 106> Code128Patterns;
extern const std::array<std::uint8_t, 7> Code128Stop;

}  // namespace quillmark
