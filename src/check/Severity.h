// How much a finding of the symbol checks matters: it passes, deserves a look, or will not work.
#pragma once

#include <algorithm>
#include <initializer_list>

namespace quillmark {

enum class Severity { Pass, Warning, Failure };

inline Severity Worst(std::initializer_list<Severity> severities) {
    Severity worst = Severity::Pass;
    for (const Severity s : severities) worst = std::max(worst, s);
    return worst;
}

}  // namespace quillmark
