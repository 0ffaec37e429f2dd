#include "motion/LargeBlock.h"

#include <new>

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <sys/mman.h>

#include <cstdint>
#endif

namespace tarvo::motion {

namespace {

std::size_t wholePages(std::size_t bytes) {
    return (bytes + hugePage - 1) / hugePage * hugePage;
}

}  // namespace

#if defined(__linux__) && !defined(__EMSCRIPTEN__)

// Mapped a huge page longer than asked, then trimmed at both ends to the
// aligned block: the kernel backs only an aligned 2 MiB range by a huge page.
void* allocateBlock(std::size_t bytes) {
    const std::size_t size = wholePages(bytes);
    void* const mapped =
        mmap(nullptr, size + hugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = (start + hugePage - 1) / hugePage * hugePage;
    if (aligned != start) munmap(mapped, aligned - start);
    if (const std::size_t tail = start + hugePage - aligned; tail != 0) {
        munmap(reinterpret_cast<void*>(aligned + size), tail);
    }
    void* const block = reinterpret_cast<void*>(aligned);
    // Only advice: without huge pages the block works the same in small ones.
    madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void freeBlock(void* block, std::size_t bytes) noexcept {
    if (block != nullptr) munmap(block, wholePages(bytes));
}

#else

void* allocateBlock(std::size_t bytes) {
    return ::operator new(wholePages(bytes));
}

void freeBlock(void* block, std::size_t) noexcept {
    ::operator delete(block);
}

#endif

}  // namespace tarvo::motion
