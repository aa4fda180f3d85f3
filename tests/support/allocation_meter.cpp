#include "allocation_meter.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

#ifdef _WIN32
#include <malloc.h>
#endif

namespace {

std::atomic<bool> counting{false};
std::atomic<std::size_t> allocated{0};
std::atomic<std::size_t> live{0};
std::atomic<std::uint64_t> generation{0};  // of the running meter; blocks of an earlier one are not its own

// Every block starts with room for this, just before the bytes handed out: its size and the meter
// that counted it (0: none), so that freeing it takes it off the live count.
struct Header {
    std::size_t size;
    std::uint64_t meter;
};
constexpr std::size_t kOffset = 32;  // a multiple of malloc's alignment, with room for the header
static_assert(sizeof(Header) <= kOffset);

void* Place(void* block, std::size_t offset, std::size_t size) {
    if (!block) throw std::bad_alloc();
    char* user = static_cast<char*>(block) + offset;
    auto* header = reinterpret_cast<Header*>(user - sizeof(Header));
    header->size = size;
    header->meter = 0;
    if (counting.load(std::memory_order_relaxed)) {
        header->meter = generation.load(std::memory_order_relaxed);
        allocated.fetch_add(size, std::memory_order_relaxed);
        live.fetch_add(size, std::memory_order_relaxed);
    }
    return user;
}

// Takes a block off the live count; the start of the block as it was allocated.
void* Unplace(void* p, std::size_t offset) {
    char* user = static_cast<char*>(p);
    const auto* header = reinterpret_cast<const Header*>(user - sizeof(Header));
    if (header->meter != 0 && header->meter == generation.load(std::memory_order_relaxed))
        live.fetch_sub(header->size, std::memory_order_relaxed);
    return user - offset;
}

void Release(void* p, std::size_t offset) {
    if (p) std::free(Unplace(p, offset));
}

void* Allocate(std::size_t size) { return Place(std::malloc(size + kOffset), kOffset, size); }

std::size_t AlignedOffset(std::align_val_t alignment) { return std::max(static_cast<std::size_t>(alignment), kOffset); }

void* AllocateAligned(std::size_t size, std::align_val_t alignment) {
    const std::size_t offset = AlignedOffset(alignment);
#ifdef _WIN32
    // The C runtime of Windows has no aligned_alloc; its aligned blocks are freed with _aligned_free.
    return Place(::_aligned_malloc(size + offset, offset), offset, size);
#else
    return Place(std::aligned_alloc(offset, (size + 2 * offset - 1) / offset * offset), offset, size);
#endif
}

void ReleaseAligned(void* p, std::align_val_t alignment) {
    if (!p) return;
    void* block = Unplace(p, AlignedOffset(alignment));
#ifdef _WIN32
    ::_aligned_free(block);
#else
    std::free(block);
#endif
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void* operator new[](std::size_t size, std::align_val_t alignment) { return AllocateAligned(size, alignment); }
void operator delete(void* p) noexcept { Release(p, kOffset); }
void operator delete[](void* p) noexcept { Release(p, kOffset); }
void operator delete(void* p, std::size_t) noexcept { Release(p, kOffset); }
void operator delete[](void* p, std::size_t) noexcept { Release(p, kOffset); }
void operator delete(void* p, std::align_val_t a) noexcept { ReleaseAligned(p, a); }
void operator delete[](void* p, std::align_val_t a) noexcept { ReleaseAligned(p, a); }
void operator delete(void* p, std::size_t, std::align_val_t a) noexcept { ReleaseAligned(p, a); }
void operator delete[](void* p, std::size_t, std::align_val_t a) noexcept { ReleaseAligned(p, a); }

namespace busho::testing {

AllocationMeter::AllocationMeter() {
    allocated = 0;
    live = 0;
    generation.fetch_add(1);
    counting = true;
}

AllocationMeter::~AllocationMeter() { counting = false; }

std::size_t AllocationMeter::BytesAllocated() const { return allocated.load(); }

std::size_t AllocationMeter::BytesLive() const { return live.load(); }

}  // namespace busho::testing
