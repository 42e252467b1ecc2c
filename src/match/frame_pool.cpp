#include "match/frame_pool.h"

#include <array>
#include <new>

namespace morvello::frame_pool {
namespace {

constexpr std::size_t kGrain = 64;
constexpr std::size_t kBuckets = 64;  // frames up to 4 KiB are recycled

struct FreeFrame {
    FreeFrame* next;
};

struct Pool {
    std::array<FreeFrame*, kBuckets> heads{};
    ~Pool() {
        for (FreeFrame* head : heads) {
            while (head) {
                FreeFrame* next = head->next;
                ::operator delete(head);
                head = next;
            }
        }
    }
};

thread_local Pool pool;

std::size_t bucketOf(std::size_t size) { return (size + kGrain - 1) / kGrain; }

}  // namespace

#if defined(__SANITIZE_ADDRESS__)
// Under AddressSanitizer every frame goes back to the heap, so a frame used after
// its coroutine was destroyed is reported.
void* allocate(std::size_t size) { return ::operator new(size); }
void release(void* frame, std::size_t) noexcept { ::operator delete(frame); }
#else
void* allocate(std::size_t size) {
    const std::size_t bucket = bucketOf(size);
    if (bucket >= kBuckets) return ::operator new(size);
    if (FreeFrame* frame = pool.heads[bucket]) {
        pool.heads[bucket] = frame->next;
        return frame;
    }
    return ::operator new(bucket * kGrain);
}

void release(void* frame, std::size_t size) noexcept {
    const std::size_t bucket = bucketOf(size);
    if (bucket >= kBuckets) {
        ::operator delete(frame);
        return;
    }
    auto* free = static_cast<FreeFrame*>(frame);
    free->next = pool.heads[bucket];
    pool.heads[bucket] = free;
}
#endif

}  // namespace morvello::frame_pool
