#include <gtest/gtest.h>

#include "form_object.h"
#include "frame.h"
#include "runtime_error.h"

namespace {

class Instance : public rt::FormObject {
public:
    ~Instance() override = default;
};

struct Temporaries {
    int releases = 0;
};

void count_release(void* t) { ++static_cast<Temporaries*>(t)->releases; }

TEST(Frame, NormalWayOutReturnsZeroAndKeepsTheCount) {
    auto* me = new Instance;
    Temporaries t;
    std::uint32_t count_inside = 0;
    const std::int32_t status =
        rt::run_in_frame(me, {count_release, &t}, [&] { count_inside = me->ref_count(); });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(count_inside, 2u);  // the handler holds its own reference
    EXPECT_EQ(me->ref_count(), 1u);
    EXPECT_EQ(t.releases, 0);  // the release block is for the error path only
    me->Release();
}

TEST(Frame, AnErrorRunsTheReleaseBlockOnceGivesTheReferenceBackAndGoesOn) {
    auto* me = new Instance;
    Temporaries t;
    try {
        rt::run_in_frame(me, {count_release, &t}, [] { rt::raise(rt::ErrorNumber::subscript_out_of_range); });
        ADD_FAILURE() << "the error did not pass through";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.number(), 9);
    }
    EXPECT_EQ(t.releases, 1);
    EXPECT_EQ(me->ref_count(), 1u);
    me->Release();
}

}  // namespace
