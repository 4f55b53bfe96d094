// The runtime's operations on counted texts. A text variable is a BSTR that
// owns its text (or is null, the empty text).
#pragma once

#include <cstdint>

#include "text.h"

// Stores a copy of `source` in `*target`, releasing the text it held.
// The source stays the caller's. Returns the new text.
rt::BSTR __vbaStrCopy(rt::BSTR* target, const char16_t* source);

// Stores `source` itself in `*target`, uncopied: the variable now owns it.
// Releases what the variable held before. Returns the text.
rt::BSTR __vbaStrMove(rt::BSTR* target, rt::BSTR source);

// Compares code unit by code unit: 0 exactly when equal, else -1 or 1.
std::int32_t __vbaStrCmp(const char16_t* left, const char16_t* right);

// Releases the text in `*text` and leaves the variable empty.
void __vbaFreeStr(rt::BSTR* text);
