// The one error type of the BMP codec: every malformed, truncated or unsupported file ends here.
#pragma once

#include <stdexcept>
#include <string>

namespace bmp {

class EBmpError : public std::runtime_error {
 public:
  explicit EBmpError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace bmp
