// One allocation made to fail on purpose, to see what a change left behind when memory ran out
// part-way. Linking this replaces the program's operator new and delete.
#pragma once

#include <cstddef>

namespace testsupport {

// The Nth allocation from now throws std::bad_alloc, once; when OnlySize is not zero, only blocks of
// that many bytes are counted. Nth 0 disarms.
void FailAllocation(int Nth, std::size_t OnlySize = 0);

// Whether the failure asked for has not happened yet (the work made fewer allocations).
bool AllocationFailurePending();

}  // namespace testsupport
