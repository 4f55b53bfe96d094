#include "default_error.h"

#include <cstdio>
#include <cstdlib>
#include <new>

#include "application.h"
#include "boxes.h"
#include "text.h"

namespace rt {

std::u16string error_box_text(const Error& error) {
    return utf8_to_utf16("Run-time error " + std::to_string(error.number()) + ":\n\n" + error.words());
}

void default_error_handling(const Error& error) {
    std::fprintf(stderr, "tovrane: run-time error %d: %s\n", error.number(), error.what());
    try {
        show_message_box(application_title(), error_box_text(error));
    } catch (...) {
        // The box itself failed (no display, no memory): the error is on stderr.
    }
    std::exit(kErrorExitStatus);
}

void default_error_handling(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const Error& e) {
        default_error_handling(e);
    } catch (const std::bad_alloc&) {
        default_error_handling(Error(ErrorNumber::out_of_memory));
    } catch (const std::exception& e) {
        default_error_handling(Error(ErrorNumber::internal, e.what()));
    } catch (...) {
        default_error_handling(Error(ErrorNumber::internal));
    }
}

}  // namespace rt
