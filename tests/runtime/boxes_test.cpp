// The boxes' arguments and results, with the boxes answered by the test.
#include <gtest/gtest.h>

#include "application.h"
#include "box_answers.h"
#include "boxes.h"
#include "runtime_error.h"
#include "text_ops.h"
#include "variant_ops.h"

namespace {

class Boxes : public ::testing::Test {
protected:
    void SetUp() override {
        rt::test::reset_boxes();
        rt::set_application_title(u"Tovrane");
        for (auto& v : missing) rt::set_missing(v);
        prompt.vt = rt::VT_BSTR;
        prompt.bstrVal = rt::alloc_text(u"what is your question");
        title.vt = rt::VT_BSTR;
        title.bstrVal = rt::alloc_text(u"question");
    }
    void TearDown() override { __vbaFreeVarList(2, &prompt, &title); }

    rt::BSTR ask() {
        return rtcInputBox(&prompt, &title, &missing[0], &missing[1], &missing[2], &missing[3], &missing[4]);
    }

    rt::VARIANT prompt, title;
    rt::VARIANT missing[5];
};

TEST_F(Boxes, InputBoxReturnsANewTextOrEmptyOnCancel) {
    rt::test::answer_next_input(u"  Will it rain? \u00E9");
    rt::BSTR typed = ask();
    EXPECT_EQ(rt::text_view(typed), u"  Will it rain? \u00E9");
    __vbaFreeStr(&typed);

    rt::test::answer_next_input(std::nullopt);
    EXPECT_EQ(ask(), nullptr);
    ASSERT_EQ(rt::test::asked_boxes().size(), 2u);
    EXPECT_EQ(rt::test::asked_boxes()[0].title, u"question");
    EXPECT_EQ(rt::test::asked_boxes()[0].prompt, u"what is your question");
}

TEST_F(Boxes, InputBoxTakesNoDefaultPlaceOrHelp) {
    rt::VARIANT given;
    given.vt = rt::VT_I4;
    given.lVal = 100;
    rt::test::answer_next_input(u"x");
    EXPECT_THROW(rtcInputBox(&prompt, &title, &missing[0], &given, &missing[2], &missing[3], &missing[4]), rt::Error);
}

TEST_F(Boxes, MessageBoxWithoutTitleShowsTheApplicationTitleAndReturnsOk) {
    rt::BSTR slot = rt::alloc_text(u"Ask again later");
    rt::VARIANT by_ref;
    by_ref.vt = rt::VT_BYREF | rt::VT_BSTR;
    by_ref.pbstrVal = &slot;
    rt::test::answer_next_message();
    EXPECT_EQ(rtcMsgBox(&by_ref, 0, &missing[0], &missing[1], &missing[2]), 1);
    ASSERT_EQ(rt::test::asked_boxes().size(), 1u);
    EXPECT_EQ(rt::test::asked_boxes()[0].kind, rt::test::BoxKind::message);
    EXPECT_EQ(rt::test::asked_boxes()[0].title, u"Tovrane");
    EXPECT_EQ(rt::test::asked_boxes()[0].prompt, u"Ask again later");
    EXPECT_EQ(rt::text_view(slot), u"Ask again later");  // the slot is left as it was
    __vbaFreeStr(&slot);
}

TEST_F(Boxes, MessageBoxTakesButtonCodeZeroOnlyAndATextPrompt) {
    rt::test::answer_next_message();
    EXPECT_THROW(rtcMsgBox(&prompt, 4, &missing[0], &missing[1], &missing[2]), rt::Error);
    EXPECT_THROW(rtcMsgBox(&missing[3], 0, &missing[0], &missing[1], &missing[2]), rt::Error);
}

TEST_F(Boxes, AnAnswerQueuedForTheOtherKindFailsLoudly) {
    rt::test::answer_next_message();
    EXPECT_THROW(ask(), rt::Error);
}

}  // namespace
