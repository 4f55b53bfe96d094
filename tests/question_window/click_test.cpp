#include <cfenv>
#include <cmath>

#include "click_fixture.h"
#include "form_class.h"
#include "random.h"
#include "runtime_error.h"
#include "text_ops.h"

namespace {

// --- No question: the complaint and its printed result ---

TEST_F(ClickTest, CancelAndOkOnAnEmptyEntryComplainAndPrintOneOnTheNextLine) {
    EXPECT_EQ(click(std::nullopt), 0);
    ASSERT_EQ(rt::test::asked_boxes().size(), 2u);
    const auto& ask = rt::test::asked_boxes()[0];
    EXPECT_EQ(ask.kind, rt::test::BoxKind::input);
    EXPECT_EQ(ask.title, u"question");
    EXPECT_EQ(ask.prompt, u"what is your question");
    EXPECT_EQ(last_box().kind, rt::test::BoxKind::message);
    EXPECT_EQ(last_box().title, u"Tovrane");
    EXPECT_EQ(last_box().prompt, kComplaint);
    EXPECT_EQ(me->lastQuestion, nullptr);

    EXPECT_EQ(click(u""), 0);  // OK with nothing typed behaves like Cancel
    EXPECT_EQ(last_box().prompt, kComplaint);
    const auto& lines = me->printed().lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "1");
    EXPECT_EQ(lines[0].row, 0);
    EXPECT_EQ(lines[1].text, "1");
    EXPECT_EQ(lines[1].row, 1);
}

TEST_F(ClickTest, AComplaintDrawsNoRandomValue) {
    rt::random::set_state(2024);
    click(std::nullopt);
    EXPECT_EQ(rt::random::state(), 2024u);
    click(u"Will it rain?");
    const std::u16string after_complaint = last_box().prompt;

    rt::random::set_state(2024);
    click(u"Will it rain?");
    EXPECT_EQ(last_box().prompt, after_complaint);
}

// --- A question: the reply, and what lastQuestion keeps ---

TEST_F(ClickTest, BlanksAreAQuestionAndLastQuestionKeepsExactlyWhatWasTyped) {
    const std::u16string long_question(100000, u'x');
    for (const std::u16string& typed : {std::u16string(u" "), std::u16string(u"   "),
                                        std::u16string(u"  Will it rain?  "),
                                        std::u16string(u"\u00BFLlover\u00E1? \U0001F327"), long_question}) {
        rt::test::reset_boxes();
        EXPECT_EQ(click(typed), 0);
        EXPECT_EQ(last_question(), typed);
        EXPECT_NE(last_box().prompt, kComplaint);
        EXPECT_EQ(last_box().title, u"Tovrane");
    }
    EXPECT_TRUE(me->printed().lines().empty());  // an answer prints nothing
}

// The slot that a draw of `bits` / 2^24 chooses.
struct Choice {
    std::uint32_t bits;
    int slot;
};

class SlotChoice : public ClickTest, public ::testing::WithParamInterface<Choice> {};

TEST_P(SlotChoice, ShowsTheReplyOfTheSlotThatRChooses) {
    rt::random::set_next_draw(GetParam().bits);
    click(u"?");
    EXPECT_EQ(last_box().prompt, kReplies[GetParam().slot]);
}

INSTANTIATE_TEST_SUITE_P(EdgeValues, SlotChoice,
                         ::testing::Values(Choice{0, 1},                  // r = 0
                                           Choice{1u << 23, 4},           // r = 0.5
                                           Choice{(1u << 24) - 1, 6},     // r = 1 - 2^-24
                                           Choice{5592405, 2}));          // largest float below 1/3

TEST(SlotChoiceArithmetic, SinglePrecisionWouldPickTheWrongSlotBelowOneThird) {
    volatile float r = 5592405.0f / 16777216.0f;
    EXPECT_EQ(r, std::nextafter(1.0f / 3.0f, 0.0f));
    volatile float x_single = r * 6.0f + 1.0f;
    EXPECT_EQ(std::floor(x_single), 3.0f);  // why the handler computes in double
}

TEST_F(ClickTest, EachSlotStartsExactlyAtItsSixth) {
    for (int k = 1; k < 6; ++k) {
        // The first 24-bit draw with r >= k/6.
        const auto first = static_cast<std::uint32_t>(std::ceil(k * 16777216.0 / 6.0));
        rt::random::set_next_draw(first - 1);
        click(u"?");
        EXPECT_EQ(last_box().prompt, kReplies[k]) << "just below " << k << "/6";
        rt::random::set_next_draw(first);
        click(u"?");
        EXPECT_EQ(last_box().prompt, kReplies[k + 1]) << "at " << k << "/6";
    }
}

TEST_F(ClickTest, SlotZeroIsNeverShown) {
    rt::random::set_state(7);
    for (int i = 0; i < 500; ++i) {
        click(u"?");
        ASSERT_NE(last_box().prompt, u"");
    }
}

// --- The reply table ---

TEST_F(ClickTest, FieldsAreEmptyUntilTheFirstClick) {
    for (rt::BSTR slot : me->replies) EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(me->lastQuestion, nullptr);
}

TEST_F(ClickTest, TheTableIsRefilledOnEveryClickAndSlotZeroStaysEmpty) {
    click(u"?");
    static constexpr rt::Literal other(u"changed");
    __vbaStrCopy(&me->replies[3], other.text());
    click(std::nullopt);  // a complaint refills the table too
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(rt::text_view(me->replies[k]), kReplies[k]) << k;
    EXPECT_EQ(me->replies[0], nullptr);
}

// --- The error path ---

TEST_F(ClickTest, AnErrorInTheInputBoxReleasesEveryTemporaryAndTheReference) {
    click(u"before");
    const std::size_t live = rt::live_text_count();
    rt::test::answer_next_message();  // the input box finds the wrong answer queued and raises
    EXPECT_THROW(Command1_Click(me), rt::Error);
    EXPECT_EQ(rt::live_text_count(), live);  // the two copied literals were released
    EXPECT_EQ(last_question(), u"before");   // step 4 was never reached
    EXPECT_TRUE(me->printed().lines().empty());
}

TEST_F(ClickTest, AnErrorInTheAnswerBoxKeepsTheNewQuestionAndReleasesTheRest) {
    click(u"before");
    const std::size_t live = rt::live_text_count();
    rt::test::answer_next_input(u"after");
    rt::test::answer_next_input(u"wrong kind");  // the message box raises
    EXPECT_THROW(Command1_Click(me), rt::Error);
    EXPECT_EQ(rt::live_text_count(), live);
    EXPECT_EQ(last_question(), u"after");
    for (int k = 1; k <= 6; ++k) EXPECT_EQ(rt::text_view(me->replies[k]), kReplies[k]);
}

TEST_F(ClickTest, AnErrorInTheComplaintBoxPrintsNothing) {
    rt::test::answer_next_input(std::nullopt);
    rt::test::answer_next_input(std::nullopt);
    const std::size_t live = rt::live_text_count();
    EXPECT_THROW(Command1_Click(me), rt::Error);
    EXPECT_EQ(rt::live_text_count(), live + 6);  // only the six replies stay held
    EXPECT_TRUE(me->printed().lines().empty());
}

// --- Floating-point flags ---

TEST_F(ClickTest, AStaleFlagBeforeAClickRaisesNoError) {
    const rt::EventTable& table = rt::find_event_table(rt::program_form_class(), "Command1", rt::kButtonEventCount);
    std::feraiseexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    rt::test::answer_next_input(u"?");
    rt::test::answer_next_message();
    EXPECT_EQ(rt::call_event_handler(me, table, rt::kButtonClickEvent), 0);
    EXPECT_NE(last_box().prompt, kComplaint);
}

TEST_F(ClickTest, AFlagSetBeforeTheComputationIsTheFloatingPointError) {
    // Called directly, past the runtime's clearing: the handler clears nothing itself.
    std::feraiseexcept(FE_OVERFLOW);
    rt::test::answer_next_input(u"?");
    try {
        Command1_Click(me);
        ADD_FAILURE() << "no error";
    } catch (const rt::Error& e) {
        EXPECT_EQ(e.kind(), rt::ErrorNumber::floating_point);
    }
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(rt::test::asked_boxes().size(), 1u);  // no reply was shown
}

TEST_F(ClickTest, AnErrorLeavingTheClickEndsTheProgramWithFailure) {
    const rt::EventTable& table = rt::find_event_table(rt::program_form_class(), "Command1", rt::kButtonEventCount);
    EXPECT_EXIT(
        {
            rt::test::answer_next_message();  // makes the input box raise
            rt::test::answer_next_message();  // answers the error's box
            rt::raise_event(me, table, rt::kButtonClickEvent);
        },
        ::testing::ExitedWithCode(1), "run-time error");
}

}  // namespace
