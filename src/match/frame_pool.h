// Recycles coroutine frames. The match controller starts a few short coroutines
// for every card played; the headless runner plays hundreds of thousands of deals
// a second, so their frames come from per-size free lists instead of the heap.
#pragma once

#include <cstddef>

namespace morvello::frame_pool {

void* allocate(std::size_t size);
void release(void* frame, std::size_t size) noexcept;

}  // namespace morvello::frame_pool
