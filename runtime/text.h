// Counted UTF-16 texts as the runtime keeps them: a pointer to the first code
// unit, with the text's size in bytes stored in the four bytes before it and a
// zero code unit after it. A null pointer is the empty text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

using BSTR = char16_t*;

// A new text owned by the caller (free it with free_text or __vbaFreeStr).
BSTR alloc_text(std::u16string_view units);
void free_text(BSTR text);

// How many allocated texts are alive: lets tests prove that every text a
// handler made has been released.
std::size_t live_text_count();

std::size_t text_length(const char16_t* text);  // in code units; 0 for null
std::u16string_view text_view(const char16_t* text);

// Conversions for the toolkit, which speaks UTF-8. Malformed input becomes
// U+FFFD rather than being dropped or stopping the conversion.
std::u16string utf8_to_utf16(std::string_view utf8);
std::string utf16_to_utf8(std::u16string_view utf16);

// A text fixed in the program, laid out like an allocated one so that the
// runtime's operations take it unchanged. It is never released.
template <std::size_t N>
struct Literal {
    std::uint32_t byte_count;
    char16_t units[N];

    constexpr Literal(const char16_t (&s)[N]) : byte_count(static_cast<std::uint32_t>((N - 1) * 2)), units{} {
        for (std::size_t i = 0; i < N; ++i) units[i] = s[i];
    }
    // The runtime's operations never write through a borrowed literal.
    BSTR text() const { return const_cast<BSTR>(units); }
};

}  // namespace rt
