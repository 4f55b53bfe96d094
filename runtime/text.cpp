#include "text.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "runtime_error.h"

namespace rt {
namespace {

constexpr std::size_t kPrefix = sizeof(std::uint32_t);
std::size_t g_live_texts = 0;

unsigned char* block_of(const char16_t* text) {
    return reinterpret_cast<unsigned char*>(const_cast<char16_t*>(text)) - kPrefix;
}

}  // namespace

BSTR alloc_text(std::u16string_view units) {
    if (units.empty()) return nullptr;
    // The size prefix is 32 bits wide; anything larger cannot be kept.
    if (units.size() > (UINT32_MAX - kPrefix - 2) / 2) raise(ErrorNumber::out_of_memory);
    const std::size_t bytes = units.size() * 2;
    auto* block = static_cast<unsigned char*>(std::malloc(kPrefix + bytes + 2));
    if (!block) raise(ErrorNumber::out_of_memory);
    const auto count = static_cast<std::uint32_t>(bytes);
    std::memcpy(block, &count, kPrefix);
    auto* first = reinterpret_cast<char16_t*>(block + kPrefix);
    std::memcpy(first, units.data(), bytes);
    first[units.size()] = u'\0';
    ++g_live_texts;
    return first;
}

void free_text(BSTR text) {
    if (!text) return;
    std::free(block_of(text));
    --g_live_texts;
}

std::size_t live_text_count() { return g_live_texts; }

std::size_t text_length(const char16_t* text) {
    if (!text) return 0;
    std::uint32_t bytes = 0;
    std::memcpy(&bytes, block_of(text), kPrefix);
    return bytes / 2;
}

std::u16string_view text_view(const char16_t* text) {
    return text ? std::u16string_view(text, text_length(text)) : std::u16string_view();
}

std::u16string utf8_to_utf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        std::size_t extra = 0;
        char32_t min = 0;
        if (lead < 0x80) { cp = lead; }
        else if ((lead & 0xE0) == 0xC0) { cp = lead & 0x1Fu; extra = 1; min = 0x80; }
        else if ((lead & 0xF0) == 0xE0) { cp = lead & 0x0Fu; extra = 2; min = 0x800; }
        else if ((lead & 0xF8) == 0xF0) { cp = lead & 0x07u; extra = 3; min = 0x10000; }
        else { out.push_back(u'\uFFFD'); ++i; continue; }
        std::size_t taken = 1;
        bool ok = true;
        for (; taken <= extra; ++taken) {
            if (i + taken >= utf8.size()) { ok = false; break; }
            const auto next = static_cast<unsigned char>(utf8[i + taken]);
            if ((next & 0xC0) != 0x80) { ok = false; break; }
            cp = (cp << 6) | (next & 0x3Fu);
        }
        i += taken;
        if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
            out.push_back(u'\uFFFD');
        } else if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string utf16_to_utf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00u);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;  // a lone surrogate
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

}  // namespace rt
