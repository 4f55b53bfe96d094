#include <gtest/gtest.h>

#include "click_fixture.h"
#include "form_class.h"
#include "random.h"
#include "runtime_error.h"

namespace {

TEST(EventTables, OnlyTheClickAndTheLoadAreBound) {
    const rt::FormClass& form_class = rt::program_form_class();
    EXPECT_EQ(form_class.name, "Tovrane");
    ASSERT_EQ(form_class.controls.size(), 2u);
    EXPECT_EQ(form_class.controls[0].control, "Command1");
    EXPECT_EQ(form_class.controls[1].control, "Form");
    const rt::EventTable& button = rt::find_event_table(form_class, "Command1", 17);
    const rt::EventTable& form = rt::find_event_table(form_class, "Form", 31);
    int empty = 0;
    for (std::size_t i = 0; i < button.slots.size(); ++i) {
        EXPECT_EQ(button.slots[i] != nullptr, i == 0) << "button slot " << i;
        empty += button.slots[i] == nullptr;
    }
    for (std::size_t i = 0; i < form.slots.size(); ++i) {
        EXPECT_EQ(form.slots[i] != nullptr, i == 6) << "form slot " << i;
        empty += form.slots[i] == nullptr;
    }
    EXPECT_EQ(empty, 46);
    EXPECT_THROW(rt::find_event_table(form_class, "Command2", 17), rt::Error);
    EXPECT_THROW(rt::find_event_table(form_class, "Form", 17), rt::Error);
}

TEST_F(ClickTest, EveryOtherEventRunsNothingAndChangesNoField) {
    const rt::FormClass& form_class = rt::program_form_class();
    const rt::EventTable& button = rt::find_event_table(form_class, "Command1", 17);
    const rt::EventTable& form = rt::find_event_table(form_class, "Form", 31);
    const std::uint64_t state = rt::random::state();
    for (int slot = 1; slot < 17; ++slot) EXPECT_EQ(rt::call_event_handler(me, button, slot), 0);
    for (int slot = 0; slot < 31; ++slot) {
        if (slot == rt::kFormLoadEvent) continue;
        EXPECT_EQ(rt::call_event_handler(me, form, slot), 0);
    }
    EXPECT_TRUE(rt::test::asked_boxes().empty());
    EXPECT_EQ(rt::random::state(), state);
    for (rt::BSTR slot : me->replies) EXPECT_EQ(slot, nullptr);
}

TEST_F(ClickTest, TheBoundSlotsReachTheHandlers) {
    const rt::FormClass& form_class = rt::program_form_class();
    rt::random::set_state(0);
    rt::call_event_handler(me, rt::find_event_table(form_class, "Form", 31), rt::kFormLoadEvent);
    EXPECT_NE(rt::random::state(), 0u);
    rt::test::answer_next_input(std::nullopt);
    rt::test::answer_next_message();
    rt::call_event_handler(me, rt::find_event_table(form_class, "Command1", 17), rt::kButtonClickEvent);
    EXPECT_EQ(me->printed().lines().size(), 1u);
}

}  // namespace
