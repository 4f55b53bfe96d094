// What happens to an error that no handler traps, and to the toolkit's
// preference files: both need a process of their own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "application.h"
#include "box_answers.h"
#include "default_error.h"
#include "toolkit_prefs.h"

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

TEST(ToolkitPreferences, NothingIsLeftInTheHomeFolder) {
    namespace fs = std::filesystem;
    const fs::path home = fs::temp_directory_path() / ("tovrane-home-" + std::to_string(::getpid()));
    fs::create_directories(home);
    EXPECT_EXIT(
        {
            ::setenv("HOME", home.c_str(), 1);
            rt::settle_toolkit_preferences();
            std::exit(fs::is_empty(home) ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
    fs::remove_all(home);
}

}  // namespace
