#include "frame.h"
#include "handlers.h"
#include "random.h"
#include "variant_ops.h"

namespace {

struct LoadTemporaries {
    rt::VARIANT seed;  // the missing argument of rtcRandomize
};

// Runs only when an error passes through Form_Load.
void release_block(void* temporaries) {
    auto& t = *static_cast<LoadTemporaries*>(temporaries);
    __vbaFreeVar(&t.seed);
}

}  // namespace

std::int32_t Form_Load(QuestionWindow* me) {
    LoadTemporaries t;  // every temporary starts empty
    const rt::HandlerDescriptor descriptor{release_block, &t};
    return rt::run_in_frame(me, descriptor, [&] {
        // 1. The seed is left out: a missing argument.
        rt::set_missing(t.seed);
        // 2. Seed the generator from the system clock; no result is read.
        rtcRandomize(&t.seed);
        // 3. Release the variant.
        __vbaFreeVar(&t.seed);
    });
}
