#include "allocation_meter.h"

#include <atomic>
#include <cstdlib>
#include <new>

#ifdef _WIN32
#include <malloc.h>
#endif

namespace {

std::atomic<bool> counting{false};
std::atomic<std::size_t> allocated{0};

void* Allocate(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) allocated.fetch_add(size, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    if (counting.load(std::memory_order_relaxed)) allocated.fetch_add(size, std::memory_order_relaxed);
    const auto align = static_cast<std::size_t>(alignment);
#ifdef _WIN32
    // The C runtime of Windows has no aligned_alloc; its aligned blocks are freed with _aligned_free.
    if (void* p = ::_aligned_malloc(size ? size : 1, align)) return p;
#else
    if (void* p = std::aligned_alloc(align, (size + align - 1) / align * align)) return p;
#endif
    throw std::bad_alloc();
}

void FreeAligned(void* p) {
#ifdef _WIN32
    ::_aligned_free(p);
#else
    std::free(p);
#endif
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void* operator new[](std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }

namespace busho::testing {

AllocationMeter::AllocationMeter() {
    allocated = 0;
    counting = true;
}

AllocationMeter::~AllocationMeter() { counting = false; }

std::size_t AllocationMeter::BytesAllocated() const { return allocated.load(); }

}  // namespace busho::testing
