#include "form_object.h"

#include "runtime_error.h"

namespace rt {

std::uint32_t FormObject::AddRef() {
    if (refs_ == UINT32_MAX) raise(ErrorNumber::overflow, "Too many references to a window instance");
    return ++refs_;
}

std::uint32_t FormObject::Release() {
    const std::uint32_t left = --refs_;
    if (left == 0) delete this;
    return left;
}

}  // namespace rt
