#include "text_ops.h"

rt::BSTR __vbaStrCopy(rt::BSTR* target, const char16_t* source) {
    // Copy first: source and target may be the same text.
    rt::BSTR copy = rt::alloc_text(rt::text_view(source));
    rt::free_text(*target);
    *target = copy;
    return copy;
}

rt::BSTR __vbaStrMove(rt::BSTR* target, rt::BSTR source) {
    if (*target != source) rt::free_text(*target);
    *target = source;
    return source;
}

std::int32_t __vbaStrCmp(const char16_t* left, const char16_t* right) {
    const int order = rt::text_view(left).compare(rt::text_view(right));
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

void __vbaFreeStr(rt::BSTR* text) {
    rt::free_text(*text);
    *text = nullptr;
}
