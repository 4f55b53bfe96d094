// The error raised when stored data (the project image, the window
// description) fails one of the reader's checks. It names the data, the
// check and the byte offset where the check failed.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace rt {

class DataError : public std::runtime_error {
public:
    DataError(std::string data, std::string check, std::size_t offset, const std::string& detail);

    const std::string& data() const { return data_; }    // e.g. "window description"
    const std::string& check() const { return check_; }  // e.g. "picture tag"
    std::size_t offset() const { return offset_; }       // counted from the data's first byte

private:
    std::string data_;
    std::string check_;
    std::size_t offset_;
};

}  // namespace rt
