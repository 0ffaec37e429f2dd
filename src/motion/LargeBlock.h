#pragma once

#include <cstddef>

namespace tarvo::motion {

// Memory for the chunks of a long recording (the cut below the surface, a
// view's drawing), a whole number of huge pages, 2 MiB, each and aligned to
// them. Where the kernel offers huge pages (Linux with transparent huge
// pages), a block asks for them: a long run then takes a page fault every
// 2 MiB instead of every 4 KiB.
inline constexpr std::size_t hugePage = std::size_t{2} << 20;

// Throws std::bad_alloc when the memory cannot be had. The block is left
// uninitialised.
void* allocateBlock(std::size_t bytes);
// Gives back a block of allocateBlock, with the size it was asked for.
void freeBlock(void* block, std::size_t bytes) noexcept;

}  // namespace tarvo::motion
