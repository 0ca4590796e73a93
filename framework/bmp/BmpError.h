// The one error type of the BMP codec: every malformed, truncated or unsupported file ends here.
#pragma once

#include <string>

#include "framework/core/SysUtils.h"

namespace bmp {

class EBmpError : public Exception {
 public:
  explicit EBmpError(const std::string& Message) : Exception(Message) {}
};

}  // namespace bmp
