#pragma once
// The codec's own failures: work tables that cannot be obtained or released, and (in the stream
// wrappers) a stored length that the coded data could never produce.

#include <stdexcept>
#include <string>

inline constexpr const char* kLzhNoMemoryMessage = "LZH : Cannot get memory for dictionary tables";
inline constexpr const char* kLzhFreeErrorMessage = "LZH : Error freeing memory for dictionary tables";

class ElzhException : public std::runtime_error {
 public:
  explicit ElzhException(const std::string& Msg) : std::runtime_error(Msg) {}
};
