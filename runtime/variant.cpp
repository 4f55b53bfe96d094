#include "variant.h"

#include "runtime_error.h"

namespace rt {

void set_missing(VARIANT& v) {
    v.vt = VT_ERROR;
    v.scode = kParamNotFound;
}

bool is_missing(const VARIANT& v) { return v.vt == VT_ERROR && v.scode == kParamNotFound; }

const char16_t* text_of(const VARIANT& v) {
    switch (v.vt) {
        case VT_BSTR: return v.bstrVal;
        case VT_BYREF | VT_BSTR:
            if (!v.pbstrVal) raise(ErrorNumber::invalid_call, "A text argument refers to nothing");
            return *v.pbstrVal;
        default: raise(ErrorNumber::invalid_call, "An argument that must be a text is of type " + std::to_string(v.vt));
    }
}

}  // namespace rt
