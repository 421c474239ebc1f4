// Text kept inside the rows of constant tables.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quillmark {

// A text held inside a table's row rather than pointed to. A position-independent program
// relocates every pointer of its constant tables when it starts, writing to (and so copying)
// each page that holds one, for tables most runs never read. A text longer than Capacity does not
// compile.
template <std::size_t Capacity>
class RowText {
public:
    constexpr RowText() = default;
    template <std::size_t N>
    requires(N - 1 <= Capacity) constexpr RowText(const char (&text)[N]) : size_(N - 1) {
        for (std::size_t i = 0; i < size_; ++i) text_[i] = text[i];
    }

    constexpr std::string_view View() const { return {text_.data(), size_}; }
    constexpr operator std::string_view() const { return View(); }
    constexpr std::size_t size() const { return size_; }
    constexpr bool empty() const { return size_ == 0; }

    friend constexpr bool operator==(const RowText& a, std::string_view b) { return a.View() == b; }
    friend constexpr auto operator<=>(const RowText& a, std::string_view b) {
        return a.View() <=> b;
    }

private:
    std::array<char, Capacity> text_{};
    std::uint8_t size_ = 0;
};

}  // namespace quillmark
