// How the command refuses its arguments: every step that can refuse returns a Result, its caller
// passes the first failure on, and RunRenderCommand writes it on one line and exits with the
// status of bad input.
#pragma once

#include "output/Result.h"

namespace quillmark {

// A failed step's message, passed on by a step that makes something else.
template <typename T>
Failure FailureOf(const Result<T>& result) {
    return Failure{result.error()};
}

}  // namespace quillmark
