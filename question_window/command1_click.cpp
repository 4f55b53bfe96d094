// One click on the button, step by step.
#include <cfenv>
#include <cstdint>

#include "boxes.h"
#include "frame.h"
#include "handlers.h"
#include "numbers.h"
#include "print.h"
#include "random.h"
#include "text_ops.h"
#include "variant_ops.h"

namespace {

// The six replies, for slots 1 to 6.
constexpr rt::Literal kReply1(u"My sources say Yes");
constexpr rt::Literal kReply2(u"I think you already know the answer");
constexpr rt::Literal kReply3(u"Most unlikely");
constexpr rt::Literal kReply4(u"The answer is clouded");
constexpr rt::Literal kReply5(u"Ask again later");
constexpr rt::Literal kReply6(u"Am i your slave or something, STOP asking me questions!!");

constexpr rt::Literal kPrompt(u"what is your question");
constexpr rt::Literal kTitle(u"question");
constexpr rt::Literal kComplaint(u"How am i supposed to answer when you don't give me a question!");
constexpr rt::Literal kEmpty(u"");

// The random choice's factor and offset, kept in single precision.
constexpr float kFactor = 6.0f;
constexpr float kOffset = 1.0f;

// Tells print that one 32-bit integer follows.
constexpr rt::PrintList kPrintList{4, {0x01, 0x00, 0x83, 0x00}};

struct ClickTemporaries {
    rt::BSTR text = nullptr;  // the returned question, on its way to lastQuestion
    rt::VARIANT arg[7];       // owned arguments of the boxes and the generator
    // These two own nothing and are never released: one borrows the stored
    // literal being copied, the other carries the reference to a reply slot.
    rt::VARIANT literal;
    rt::VARIANT reply;
};

// Runs only when an error passes through Command1_Click. Releasing an
// empty temporary does nothing, so it does not matter how far the body got.
void release_block(void* temporaries) {
    auto& t = *static_cast<ClickTemporaries*>(temporaries);
    __vbaFreeStr(&t.text);
    __vbaFreeVarList(7, &t.arg[0], &t.arg[1], &t.arg[2], &t.arg[3], &t.arg[4], &t.arg[5], &t.arg[6]);
}

// Copies a stored literal into an owned argument.
void copy_literal(ClickTemporaries& t, rt::VARIANT& target, rt::BSTR literal) {
    t.literal.vt = rt::VT_BSTR;
    t.literal.bstrVal = literal;
    __vbaVarDup(&target, &t.literal);
}

void complain(QuestionWindow* me, ClickTemporaries& t) {
    // 6.1 The complaint, with title and help left out.
    rt::set_missing(t.arg[1]);
    rt::set_missing(t.arg[2]);
    rt::set_missing(t.arg[3]);
    copy_literal(t, t.arg[0], kComplaint.text());
    // 6.2 OK alone, under the application title; 1 comes back for OK.
    const std::int32_t result = rtcMsgBox(&t.arg[0], 0, &t.arg[1], &t.arg[2], &t.arg[3]);
    // 6.3 Write that result onto the window.
    __vbaPrintObj(&kPrintList, me, result);
    // 6.4
    __vbaFreeVarList(4, &t.arg[0], &t.arg[1], &t.arg[2], &t.arg[3]);
}

void answer(QuestionWindow* me, ClickTemporaries& t) {
    // 7.1 The next random value, 0 <= r < 1, held in single precision.
    rt::set_missing(t.arg[0]);
    const float r = rtcRandomNext(&t.arg[0]);
    // 7.2 x = r * 6 + 1 in double precision: exact for every single-precision
    // r, where single precision would round r just below k/6 up to the next slot.
    double x = static_cast<double>(r) * static_cast<double>(kFactor) + static_cast<double>(kOffset);
    rt::keep_computed_here(x);
    // 7.3 Invalid operation, division by zero or overflow: the floating-point error.
    if (std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW)) __vbaFPException();
    // 7.4 The floor of x is the slot.
    const std::int32_t index = __vbaR8IntI4(x);
    // 7.5 Inside the table's bounds 0 to 6; a negative index fails too.
    if (static_cast<std::uint32_t>(index) >= me->replies.size()) __vbaGenerateBoundsError();
    // 7.6 Show the reply in that slot, passed by reference; the result is dropped.
    rt::set_missing(t.arg[1]);
    rt::set_missing(t.arg[2]);
    rt::set_missing(t.arg[3]);
    t.reply.vt = rt::VT_BYREF | rt::VT_BSTR;
    t.reply.pbstrVal = &me->replies[static_cast<std::size_t>(index)];
    rtcMsgBox(&t.reply, 0, &t.arg[1], &t.arg[2], &t.arg[3]);
    // 7.7 The slot keeps its text: the reference is not released.
    __vbaFreeVarList(4, &t.arg[0], &t.arg[1], &t.arg[2], &t.arg[3]);
}

}  // namespace

std::int32_t Command1_Click(QuestionWindow* me) {
    // 1. Every temporary starts empty; the frame takes the reference.
    ClickTemporaries t;
    const rt::HandlerDescriptor descriptor{release_block, &t};
    return rt::run_in_frame(me, descriptor, [&] {
        // 2. Fill the reply table anew; slot 0 is never touched.
        __vbaStrCopy(&me->replies[1], kReply1.text());
        __vbaStrCopy(&me->replies[2], kReply2.text());
        __vbaStrCopy(&me->replies[3], kReply3.text());
        __vbaStrCopy(&me->replies[4], kReply4.text());
        __vbaStrCopy(&me->replies[5], kReply5.text());
        __vbaStrCopy(&me->replies[6], kReply6.text());

        // 3. Ask, with an empty entry, at the default place, without help.
        copy_literal(t, t.arg[0], kPrompt.text());
        copy_literal(t, t.arg[1], kTitle.text());
        for (int i = 2; i < 7; ++i) rt::set_missing(t.arg[i]);
        rt::BSTR typed = rtcInputBox(&t.arg[0], &t.arg[1], &t.arg[2], &t.arg[3], &t.arg[4], &t.arg[5], &t.arg[6]);

        // 4. Keep the question in lastQuestion, then release the temporaries.
        __vbaStrMove(&t.text, typed);
        __vbaStrCopy(&me->lastQuestion, t.text);
        __vbaFreeStr(&t.text);
        __vbaFreeVarList(7, &t.arg[0], &t.arg[1], &t.arg[2], &t.arg[3], &t.arg[4], &t.arg[5], &t.arg[6]);

        // 5. Only a text of no characters is no question.
        if (__vbaStrCmp(kEmpty.text(), me->lastQuestion) == 0) {
            complain(me, t);  // 6.
        } else {
            answer(me, t);  // 7.
        }
        // 8. The frame sets status 0 and gives the reference back.
    });
}
