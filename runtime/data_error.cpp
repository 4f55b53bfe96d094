#include "data_error.h"

namespace rt {

DataError::DataError(std::string data, std::string check, std::size_t offset, const std::string& detail)
    : std::runtime_error(data + ": " + check + " check failed at byte " + std::to_string(offset) + ": " + detail),
      data_(std::move(data)),
      check_(std::move(check)),
      offset_(offset) {}

}  // namespace rt
