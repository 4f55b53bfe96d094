#include "variant_ops.h"

rt::VARIANT* __vbaVarDup(rt::VARIANT* target, const rt::VARIANT* source) {
    rt::VARIANT copy;
    switch (source->vt) {
        case rt::VT_BSTR:
        case rt::VT_BYREF | rt::VT_BSTR:
            copy.vt = rt::VT_BSTR;
            copy.bstrVal = rt::alloc_text(rt::text_view(rt::text_of(*source)));
            break;
        case rt::VT_EMPTY: break;
        case rt::VT_I4: copy.vt = rt::VT_I4; copy.lVal = source->lVal; break;
        case rt::VT_ERROR: copy.vt = rt::VT_ERROR; copy.scode = source->scode; break;
        default: rt::raise(rt::ErrorNumber::invalid_call, "Cannot copy a variant of type " + std::to_string(source->vt));
    }
    __vbaFreeVar(target);
    *target = copy;
    return target;
}

void __vbaFreeVar(rt::VARIANT* v) {
    if (v->vt == rt::VT_BSTR) rt::free_text(v->bstrVal);
    *v = rt::VARIANT{};
}
