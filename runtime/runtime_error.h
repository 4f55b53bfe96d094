// The runtime's error: a number and its words. Runtime operations raise it as
// a C++ exception; it leaves a handler through the handler's frame and ends in
// the runtime's default handling.
#pragma once

#include <stdexcept>
#include <string>

namespace rt {

enum class ErrorNumber : int {
    invalid_call = 5,
    overflow = 6,
    out_of_memory = 7,
    subscript_out_of_range = 9,
    floating_point = 16,
    bad_project = 50,
    internal = 51,
};

class Error : public std::runtime_error {
public:
    Error(ErrorNumber number, const std::string& words);
    explicit Error(ErrorNumber number);  // with the standard words

    int number() const { return static_cast<int>(number_); }
    ErrorNumber kind() const { return number_; }
    std::string words() const { return what(); }

private:
    ErrorNumber number_;
};

std::string standard_words(ErrorNumber number);

[[noreturn]] void raise(ErrorNumber number);
[[noreturn]] void raise(ErrorNumber number, const std::string& words);

}  // namespace rt
