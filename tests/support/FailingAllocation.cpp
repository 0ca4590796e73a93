// The replaced allocation operators behind FailAllocation: plain malloc and free, with one
// countdown.
#include "tests/support/FailingAllocation.h"

#include <cstdlib>
#include <new>

namespace {

int AllocationsBeforeFailure = 0;
std::size_t CountedSize = 0;

}  // namespace

namespace testsupport {

void FailAllocation(int Nth, std::size_t OnlySize) {
  AllocationsBeforeFailure = Nth > 0 ? Nth : 0;
  CountedSize = OnlySize;
}

bool AllocationFailurePending() {
  return AllocationsBeforeFailure > 0;
}

}  // namespace testsupport

// Once inlined, a block from operator new reaching free looks like a mismatch to the compiler.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t Size) {
  if (AllocationsBeforeFailure > 0 && (CountedSize == 0 || Size == CountedSize) &&
      --AllocationsBeforeFailure == 0)
    throw std::bad_alloc();
  if (void* Block = std::malloc(Size ? Size : 1)) return Block;
  throw std::bad_alloc();
}

void operator delete(void* Block) noexcept {
  std::free(Block);
}

void operator delete(void* Block, std::size_t) noexcept {
  std::free(Block);
}
