// Element strings to GS1 Digital Link URIs and back, judged by the GS1 AI dictionary both ways.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "check/GS1Check.h"

namespace quillmark {

inline constexpr std::string_view kDefaultDigitalLinkStem = "https://id.gs1.org";

// Why an element string makes no URI, for a front end to word: the stem's fault, two primary
// keys (ai and otherAI), none, or a qualifier (ai) whose key (otherAI) the data lack. Other: the
// reason says it (refusals of a URI).
enum class LinkProblem {
    None,
    StemScheme,
    StemHost,
    StemCharacter,
    TwoKeys,
    NoKey,
    StrayQualifier,
    Other,
};

struct DigitalLinkResult {
    // The URI, or the element string in the field's 8-bit notation (AIs in parentheses, FNC1 =
    // 224 after variable-length data that another AI follows); nullopt when refused.
    std::optional<std::string> text;
    std::string reason;                       // why it was refused, when no finding says it
    std::optional<GS1Finding> finding;        // the dictionary's finding that refused the data
    LinkProblem problem = LinkProblem::None;  // with reason, when no finding says it
    std::string ai;
    std::string otherAI;
};

// The URI of the field text's element strings under stem (http or https, a host, perhaps a
// path; a trailing slash is dropped): the primary key and the qualifiers of its path, every other
// AI in the query string in the order given.
DigitalLinkResult DigitalLinkFromElementString(std::string_view fieldText,
                                               std::string_view stem = kDefaultDigitalLinkStem);

// The element strings of an uncompressed URI: the path's key and qualifiers, then the query's AIs;
// query parameters that are no AI are passed over.
DigitalLinkResult ElementStringFromDigitalLink(std::string_view uri);

}  // namespace quillmark
