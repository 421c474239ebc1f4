// Colours as the command line takes them: hexadecimal forms and the SVG/CSS colour keywords.
#pragma once

#include <optional>
#include <string_view>

#include "encoders/Canvas.h"

namespace quillmark {

// The opaque colour text names, or nullopt. Accepted: "#RGB", "#RRGGBB", "#AARRGGBB" with alpha
// FF, "#RRRGGGBBB" and "#RRRRGGGGBBBB" (reduced to 8 bits per channel, rounded), and the 147
// SVG/CSS colour keywords in any ASCII case, with spaces and tabs anywhere ("Light Blue").
// "transparent" and any other alpha are refused: a symbol's colours are opaque.
std::optional<TColor> ColourFromText(std::string_view text);

}  // namespace quillmark
