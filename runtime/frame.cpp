#include "frame.h"

#include <exception>

void __vbaExceptHandler(rt::FormObject* me, const rt::HandlerDescriptor& descriptor) {
    // The release operations do not raise, but nothing may replace the error
    // that is on its way out.
    try {
        descriptor.release_block(descriptor.temporaries);
    } catch (...) {
    }
    me->Release();
    throw;  // the error in flight goes on to the runtime's default handling
}
