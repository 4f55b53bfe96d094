// What happens to an error that no handler traps: it ends the process, so
// each case runs in a process of its own.
#include <gtest/gtest.h>

#include <cstdlib>

#include "application.h"
#include "box_answers.h"
#include "default_error.h"

namespace {

TEST(DefaultErrorHandling, ShowsNumberAndWordsUnderTheTitleThenEndsWithFailure) {
    EXPECT_EXIT(
        {
            rt::set_application_title(u"Tovrane");
            rt::test::answer_next_message();
            try {
                rt::default_error_handling(rt::Error(rt::ErrorNumber::subscript_out_of_range));
            } catch (...) {
            }
        },
        ::testing::ExitedWithCode(rt::kErrorExitStatus), "run-time error 9: Subscript out of range");
    EXPECT_EQ(rt::error_box_text(rt::Error(rt::ErrorNumber::overflow)), u"Run-time error 6:\n\nOverflow");
}

TEST(DefaultErrorHandling, AnyOtherExceptionBecomesARuntimeError) {
    EXPECT_EXIT(
        {
            rt::test::answer_next_message();
            rt::default_error_handling(std::make_exception_ptr(std::bad_alloc()));
        },
        ::testing::ExitedWithCode(rt::kErrorExitStatus), "run-time error 7: Out of memory");
}

}  // namespace
