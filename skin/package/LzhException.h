#pragma once
// The codec's own failures: work tables that cannot be obtained or released, and (in the stream
// wrappers) a stored length that the coded data could never produce.

#include "framework/core/SysUtils.h"

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhFreeErrorMessage = "LZH : Error freeing memory for dictionary tables";

class ElzhException : public Exception {
 public:
  using Exception::Exception;
};
