// The base of a window instance: a reference-counted object that the runtime
// creates for a window and passes to each of its handlers.
#pragma once

#include <cstdint>

#include "printed_text.h"

namespace rt {

class FormObject {
public:
    FormObject() = default;
    FormObject(const FormObject&) = delete;
    FormObject& operator=(const FormObject&) = delete;

    // Counted references: a new object holds one; the last Release deletes it.
    std::uint32_t AddRef();
    std::uint32_t Release();
    std::uint32_t ref_count() const { return refs_; }

    // The text written onto the window by print operations.
    PrintedText& printed() { return printed_; }
    const PrintedText& printed() const { return printed_; }

protected:
    virtual ~FormObject() = default;

private:
    std::uint32_t refs_ = 1;
    PrintedText printed_;
};

}  // namespace rt
