// The one way reading, writing and encoding report failure: a value (or nothing) on success,
// else the message of what failed; a file's names the file and gives the system's reason (errno
// text).
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace quillmark {

// A failure's message, shown as it stands: "cannot write "a.png": No space left on device" for a
// file, the reason alone for an encoder ("PNG encoding failed").
struct Failure {
    std::string message;
};

// A value, or the failure that kept it from being made.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T& operator*() const& { return std::get<0>(state_); }
    T& operator*() & { return std::get<0>(state_); }
    T&& operator*() && { return std::get<0>(std::move(state_)); }
    const T* operator->() const { return &std::get<0>(state_); }
    // The value, or fallback on failure.
    T value_or(T fallback) && {
        return ok() ? std::get<0>(std::move(state_)) : std::move(fallback);
    }
    // The failure's message; empty on success.
    const std::string& error() const {
        static const std::string none;
        return ok() ? none : std::get<1>(state_).message;
    }

private:
    std::variant<T, Failure> state_;
};

// Success, or the failure of a step that makes nothing.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : error_(std::move(failure.message)), failed_(true) {}

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return error_; }

private:
    std::string error_;
    bool failed_ = false;
};

}  // namespace quillmark
