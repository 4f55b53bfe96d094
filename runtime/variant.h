// Variants as the runtime's operations take them: passed by address, owned by
// the caller. Only the kinds this program passes exist here.
#pragma once

#include <cstdint>

#include "text.h"

namespace rt {

enum VarType : std::uint16_t {
    VT_EMPTY = 0,
    VT_I4 = 3,
    VT_BSTR = 8,
    VT_ERROR = 10,
    VT_BYREF = 0x4000,
};

// The code a missing argument carries: parameter not found.
inline constexpr std::int32_t kParamNotFound = static_cast<std::int32_t>(0x80020004u);

struct VARIANT {
    std::uint16_t vt = VT_EMPTY;
    union {
        BSTR bstrVal = nullptr;  // VT_BSTR: owned by the variant
        BSTR* pbstrVal;          // VT_BYREF | VT_BSTR: borrowed, never released through it
        std::int32_t lVal;       // VT_I4
        std::int32_t scode;      // VT_ERROR
    };
};

void set_missing(VARIANT& v);
bool is_missing(const VARIANT& v);

// The text a variant holds, directly or by reference; raises invalid_call for
// any other kind. Empty and missing give no text: callers decide what that means.
const char16_t* text_of(const VARIANT& v);

}  // namespace rt
