// Text made safe inside XML and HTML documents, for the SVG pictures and the help pages.
#pragma once

#include <string>
#include <string_view>

namespace quillmark {

// text with &, <, > and " written as entities; control characters, which XML documents cannot
// hold, are dropped.
inline std::string XmlEscaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20) out += c;
        }
    }
    return out;
}

}  // namespace quillmark
