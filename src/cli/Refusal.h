// How the command refuses its arguments: a refusal is thrown up to RunRenderCommand, which writes
// it on one line and exits with the status of bad input.
#pragma once

#include <string>
#include <utility>

#include "output/Result.h"

namespace quillmark {

// A refused argument; the message is one line of English without the program's name.
struct InputError {
    std::string message;
};

[[noreturn]] inline void Fail(std::string message) {
    throw InputError{std::move(message)};
}

// The value of a step the command cannot go on without; its failure refuses the arguments.
template <typename T>
T Accepted(Result<T> result) {
    if (!result) Fail(result.error());
    return std::move(*result);
}

}  // namespace quillmark
