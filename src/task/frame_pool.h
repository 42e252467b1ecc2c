// Recycles coroutine frames. The match controller starts a few short coroutines
// for every card played; the headless runner plays hundreds of thousands of deals
// a second, so their frames come from per-size free lists instead of the heap.
// A controller runs on one thread; each thread has its own pool, so matches may
// run side by side on threads of their own.
#pragma once

#include <array>
#include <cstddef>
#include <new>

namespace morvello::frame_pool {

#if defined(__SANITIZE_ADDRESS__)
// Under AddressSanitizer every frame goes back to the heap, so a frame used after
// its coroutine was destroyed is reported.
inline void* allocate(std::size_t size) {
    return ::operator new(size);
}
inline void release(void* frame, std::size_t) noexcept {
    ::operator delete(frame);
}
#else
namespace detail {
inline constexpr std::size_t kGrain = 64;
inline constexpr std::size_t kBuckets = 64;  // frames up to 4 KiB are recycled
struct FreeFrame {
    FreeFrame* next;
};
// Free frames stay listed until their thread ends.
inline thread_local std::array<FreeFrame*, kBuckets> heads{};
inline std::size_t bucketOf(std::size_t size) {
    return (size + kGrain - 1) / kGrain;
}
}  // namespace detail

inline void* allocate(std::size_t size) {
    using namespace detail;
    const std::size_t bucket = bucketOf(size);
    if (bucket >= kBuckets) return ::operator new(size);
    if (FreeFrame* frame = heads[bucket]) {
        heads[bucket] = frame->next;
        return frame;
    }
    return ::operator new(bucket* kGrain);
}

inline void release(void* frame, std::size_t size) noexcept {
    using namespace detail;
    const std::size_t bucket = bucketOf(size);
    if (bucket >= kBuckets) {
        ::operator delete(frame);
        return;
    }
    auto* free = static_cast<FreeFrame*>(frame);
    free->next = heads[bucket];
    heads[bucket] = free;
}
#endif

}  // namespace morvello::frame_pool
