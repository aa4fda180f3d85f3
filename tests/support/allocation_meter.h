#pragma once
// Counts the bytes a test allocates through operator new while a meter is running, so that a test
// can assert that reading a huge file costs memory in proportion to what the reader keeps, not to
// the file, and a benchmark can tell what a structure keeps. Linked only into the test programs that use it (it replaces the global operator new).

#include <cstddef>

namespace busho::testing {

class AllocationMeter {
public:
    AllocationMeter();   // starts counting from zero
    ~AllocationMeter();  // stops counting
    AllocationMeter(const AllocationMeter&) = delete;
    AllocationMeter& operator=(const AllocationMeter&) = delete;
    // Every byte requested since the meter started, freed or not.
    std::size_t BytesAllocated() const;
    // The bytes requested since the meter started and not freed yet.
    std::size_t BytesLive() const;
};

}  // namespace busho::testing
