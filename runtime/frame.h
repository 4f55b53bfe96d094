// The frame every handler runs in: a counted reference to the window instance
// for the whole call, and a release block that runs exactly when an error
// passes through the handler.
#pragma once

#include <cstdint>

#include "form_object.h"

namespace rt {

// A handler's description for its frame: its release block (no handler has an
// error trap of its own). The block releases every owned temporary; it must
// accept temporaries that are already empty.
struct HandlerDescriptor {
    void (*release_block)(void* temporaries);
    void* temporaries;
};

}  // namespace rt

// The runtime's frame handler. Called only while an error is passing through
// a handler: runs the handler's release block, gives back the handler's
// reference to the instance (so the count is the same as before the call), and
// passes the error on to the runtime's default handling.
[[noreturn]] void __vbaExceptHandler(rt::FormObject* me, const rt::HandlerDescriptor& descriptor);

namespace rt {

// Entry, body and way out of a handler. The caller's temporaries must already
// be empty when the body starts.
template <typename Body>
std::int32_t run_in_frame(FormObject* me, const HandlerDescriptor& descriptor, Body&& body) {
    me->AddRef();
    try {
        body();
    } catch (...) {
        __vbaExceptHandler(me, descriptor);
    }
    const std::int32_t status = 0;
    me->Release();
    return status;
}

}  // namespace rt
