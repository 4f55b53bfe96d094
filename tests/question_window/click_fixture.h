// A fresh window instance per test, with the boxes answered by the test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "application.h"
#include "box_answers.h"
#include "expected_texts.h"
#include "handlers.h"
#include "question_window.h"
#include "text.h"


class ClickTest : public ::testing::Test {
protected:
    void SetUp() override {
        rt::test::reset_boxes();
        rt::set_application_title(u"Tovrane");
        me = QuestionWindow::create();
    }
    void TearDown() override {
        EXPECT_EQ(me->ref_count(), 1u) << "a handler kept or lost a reference";
        me->Release();
        rt::test::reset_boxes();
    }

    // One click answered with `typed` (nothing: Cancel), then OK on the box that follows.
    std::int32_t click(std::optional<std::u16string> typed) {
        rt::test::answer_next_input(std::move(typed));
        rt::test::answer_next_message();
        return Command1_Click(me);
    }

    const rt::test::AskedBox& last_box() const { return rt::test::asked_boxes().back(); }
    std::u16string last_question() const { return std::u16string(rt::text_view(me->lastQuestion)); }

    QuestionWindow* me = nullptr;
};
