// A scripted session of many clicks on the running question window, for
// memory checkers: the test suite runs it under valgrind's memcheck (and in
// the sanitizer build under the address sanitizer). Answers, cancels, empty
// entries and odd texts are mixed. Most boxes are answered from the runtime's
// test queue; every tenth click shows the real boxes and closes them as a user
// would, through their own buttons. After every click the window instance is
// back to the one reference the runtime holds, the reply table is whole and
// `lastQuestion` holds exactly what was entered. At the end the instance and
// the window are released, so that any text a handler failed to release shows
// as lost memory.
//
//   click_session [clicks]     (default 1000; needs an X display)
#include <FL/Fl.H>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "box_answers.h"
#include "box_windows.h"
#include "project_image.h"
#include "question_window.h"
#include "expected_texts.h"
#include "random.h"
#include "startup.h"
#include "text.h"

namespace {


int failures = 0;

void expect(bool ok, int click, const std::string& what) {
    if (ok) return;
    if (++failures <= 20) std::fprintf(stderr, "click %d: %s\n", click, what.c_str());
}

bool is_reply(std::u16string_view text) {
    for (int k = 1; k <= 6; ++k)
        if (text == kReplies[k]) return true;
    return false;
}

// One click's script: what is entered (nothing: cancel) and how the boxes are
// answered.
struct Script {
    std::optional<std::u16string> typed;
    bool real_boxes = false;
};

Script script_for(int click) {
    static const std::u16string long_question(100000, u'q');
    Script s;
    s.real_boxes = click % 10 == 9;
    switch (click % 8) {
        case 0: s.typed = u"Will it rain tomorrow?"; break;
        case 1: s.typed = std::nullopt; break;                          // Cancel or Escape
        case 2: s.typed = u""; break;                                   // OK with nothing typed
        case 3: s.typed = u" "; break;                                  // a single blank is a question
        case 4: s.typed = u"\U0001F600 \u00C7a va? \u65E5\u672C"; break;  // surrogate pair, accents, CJK
        case 5: s.typed = u"\x01\x02\x1B\x7F"; break;                   // control characters only
        case 6: s.typed = long_question; break;
        default: s.typed = u"Is it " + std::u16string(1, static_cast<char16_t>(u'a' + click % 26)) + u"?"; break;
    }
    return s;
}

// Closes the real boxes from inside their nested event loops, through their
// own buttons, and notes what the message box showed.
struct RealBoxCloser {
    const Script* script = nullptr;
    int inputs = 0, messages = 0;
    std::string message_prompt;

    static void tick(void* data) {
        auto* self = static_cast<RealBoxCloser*>(data);
        for (Fl_Window* w = Fl::first_window(); w; w = Fl::next_window(w)) {
            if (auto* input = dynamic_cast<rt::InputBoxWindow*>(w)) {
                ++self->inputs;
                if (self->script->typed) {
                    const std::string utf8 = rt::utf16_to_utf8(*self->script->typed);
                    input->entry().value(utf8.data(), static_cast<int>(utf8.size()));
                    input->ok_button().do_callback();
                } else {
                    input->cancel_button().do_callback();
                }
                break;
            }
            if (auto* message = dynamic_cast<rt::MessageBoxWindow*>(w)) {
                ++self->messages;
                self->message_prompt = message->prompt() ? message->prompt() : "";
                message->ok_button().do_callback();
                break;
            }
        }
        Fl::repeat_timeout(0.002, tick, data);
    }
};

void check_instance(const QuestionWindow& me, std::uint32_t refs, const Script& s, int click) {
    expect(me.ref_count() == refs, click, "the instance holds " + std::to_string(me.ref_count()) + " references");
    expect(me.replies[0] == nullptr, click, "slot 0 of the reply table is not empty");
    for (int k = 1; k <= 6; ++k)
        expect(rt::text_view(me.replies[static_cast<std::size_t>(k)]) == kReplies[k], click, "reply slot " + std::to_string(k));
    expect(rt::text_view(me.lastQuestion) == s.typed.value_or(u""), click, "lastQuestion is not what was entered");
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("DISPLAY") == nullptr) {
        std::fprintf(stderr, "click_session needs an X display: run it under scripts/with-xvfb\n");
        return 1;
    }
    const int clicks = argc > 1 ? std::atoi(argv[1]) : 1000;
    if (clicks < 1) {
        std::fprintf(stderr, "usage: click_session [clicks]\n");
        return 2;
    }

    rt::RunningProgram program = rt::start_program(tovrane_project_image);
    auto& me = *static_cast<QuestionWindow*>(program.instance);
    for (int i = 0; i < 20; ++i) Fl::wait(0.01);  // let the window map and draw
    rt::random::set_state(20261209);
    const std::uint32_t refs = me.ref_count();

    std::size_t complaints = 0;
    int real = 0;
    for (int click = 0; click < clicks; ++click) {
        const Script s = script_for(click);
        const bool empty = !s.typed || s.typed->empty();
        const std::size_t printed_before = me.printed().lines().size();
        rt::test::reset_boxes();
        if (s.real_boxes) {
            ++real;
            RealBoxCloser closer{&s, 0, 0, {}};
            Fl::add_timeout(0.002, RealBoxCloser::tick, &closer);
            program.window->button().do_callback();
            Fl::remove_timeout(RealBoxCloser::tick, &closer);
            expect(closer.inputs == 1 && closer.messages == 1, click, "real boxes: not one input box and one message box");
            const std::u16string shown = rt::utf8_to_utf16(closer.message_prompt);
            expect(empty ? shown == kComplaint : is_reply(shown), click, "the message box showed the wrong text");
        } else {
            rt::test::answer_next_input(s.typed);
            rt::test::answer_next_message();
            program.window->button().do_callback();
            const auto& asked = rt::test::asked_boxes();
            expect(asked.size() == 2, click, "not two boxes asked");
            if (asked.size() == 2) {
                expect(asked[0].title == u"question" && asked[0].prompt == u"what is your question", click, "input box");
                expect(asked[1].title == u"Tovrane", click, "message box title");
                expect(empty ? asked[1].prompt == kComplaint : is_reply(asked[1].prompt), click, "message box text");
            }
        }
        complaints += empty;
        expect(me.printed().lines().size() == printed_before + (empty ? 1 : 0), click, "printed lines");
        check_instance(me, refs, s, click);
    }
    rt::test::reset_boxes();
    for (const auto& line : me.printed().lines()) expect(line.text.find('1') != std::string::npos, clicks, "printed " + line.text);
    expect(me.printed().lines().size() == complaints, clicks, "one printed result per complaint");

    // Give everything back: the runtime's reference (the instance frees its
    // fields), then the window with its pictures.
    program.window.reset();
    me.Release();
    std::printf("%d clicks (%d with real boxes), %zu complaints, %d failures\n", clicks, real, complaints, failures);
    return failures == 0 ? 0 : 1;
}
