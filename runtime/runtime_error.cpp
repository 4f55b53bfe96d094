#include "runtime_error.h"

namespace rt {

std::string standard_words(ErrorNumber number) {
    switch (number) {
        case ErrorNumber::invalid_call: return "Invalid procedure call or argument";
        case ErrorNumber::overflow: return "Overflow";
        case ErrorNumber::out_of_memory: return "Out of memory";
        case ErrorNumber::subscript_out_of_range: return "Subscript out of range";
        case ErrorNumber::floating_point: return "Floating-point error";
        case ErrorNumber::bad_project: return "The program's stored project is damaged";
        case ErrorNumber::internal: return "Internal error";
    }
    return "Unknown error";
}

Error::Error(ErrorNumber number, const std::string& words) : std::runtime_error(words), number_(number) {}
Error::Error(ErrorNumber number) : Error(number, standard_words(number)) {}

void raise(ErrorNumber number) { throw Error(number); }
void raise(ErrorNumber number, const std::string& words) { throw Error(number, words); }

}  // namespace rt
