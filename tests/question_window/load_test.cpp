#include <gtest/gtest.h>

#include "handlers.h"
#include "random.h"

namespace {

TEST(FormLoad, SeedsTheGeneratorAndTouchesNoField) {
    QuestionWindow* me = QuestionWindow::create();
    const std::size_t live = rt::live_text_count();
    rt::random::set_state(0);
    EXPECT_EQ(Form_Load(me), 0);
    EXPECT_NE(rt::random::state(), 0u);
    EXPECT_EQ(me->ref_count(), 1u);
    EXPECT_EQ(rt::live_text_count(), live);
    for (rt::BSTR slot : me->replies) EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(me->lastQuestion, nullptr);
    me->Release();
}

}  // namespace
