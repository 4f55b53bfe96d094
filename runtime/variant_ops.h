// The runtime's operations on variants.
#pragma once

#include <type_traits>

#include "runtime_error.h"
#include "variant.h"

// A deep copy of `source` into `*target`: a text is copied, never shared.
// What the target held is released first. Returns the target.
rt::VARIANT* __vbaVarDup(rt::VARIANT* target, const rt::VARIANT* source);

// Releases what the variant owns and leaves it empty. An empty or missing
// variant passes, and so does one holding a text by reference, which owns nothing.
void __vbaFreeVar(rt::VARIANT* v);

// Releases `count` variants, each as __vbaFreeVar does. The count must match
// the variants given.
template <typename... Variants>
void __vbaFreeVarList(int count, Variants*... vs) {
    static_assert((std::is_same_v<Variants, rt::VARIANT> && ...), "__vbaFreeVarList takes variants");
    if (count != static_cast<int>(sizeof...(vs))) rt::raise(rt::ErrorNumber::invalid_call, "Variant list count does not match");
    (__vbaFreeVar(vs), ...);
}
