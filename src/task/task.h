// Task<T>: the coroutine type of the match controller, and Wait<T>: what the
// controller awaits from the table.
//
// A task starts when it is awaited (or, for the root, when start() is called).
// The awaited child runs inside the parent's await_suspend; when it finishes
// without suspending, the parent goes on in the same stack frame, so long loops
// of waits that complete at once (the headless table) never grow the stack.
// Destroying a task destroys its frame and with it the child it awaits, down to
// the leaf wait, whose destructor cancels what it waits on.
#pragma once

#include <coroutine>
#include <exception>
#include <optional>
#include <type_traits>
#include <utility>

#include "task/frame_pool.h"

namespace morvello {

template <class T = void>
class Task;

namespace detail {

struct PromiseBase {
    std::coroutine_handle<> continuation;
    bool awaitedInline = false;  // the parent is still inside await_suspend
    std::exception_ptr error;
    void (*rootFinished)(void*) = nullptr;  // told when a root task finishes
    void* rootFinishedContext = nullptr;

    static void* operator new(std::size_t size) { return frame_pool::allocate(size); }
    static void operator delete(void* frame, std::size_t size) noexcept {
        frame_pool::release(frame, size);
    }

    struct FinalAwaiter {
        bool await_ready() const noexcept { return false; }
        template <class Promise>
        std::coroutine_handle<> await_suspend(std::coroutine_handle<Promise> self) noexcept {
            PromiseBase& p = self.promise();
            if (!p.continuation && p.rootFinished) p.rootFinished(p.rootFinishedContext);
            if (p.awaitedInline || !p.continuation) return std::noop_coroutine();
            return p.continuation;
        }
        void await_resume() const noexcept {}
    };

    std::suspend_always initial_suspend() const noexcept { return {}; }
    FinalAwaiter final_suspend() const noexcept { return {}; }
    void unhandled_exception() noexcept { error = std::current_exception(); }
};

template <class T>
struct Promise : PromiseBase {
    std::optional<T> value;
    Task<T> get_return_object() noexcept;
    template <class U>
    void return_value(U&& v) {
        value.emplace(std::forward<U>(v));
    }
};

template <>
struct Promise<void> : PromiseBase {
    Task<void> get_return_object() noexcept;
    void return_void() const noexcept {}
};

}  // namespace detail

template <class T>
class [[nodiscard]] Task {
  public:
    using promise_type = detail::Promise<T>;
    using Handle = std::coroutine_handle<promise_type>;

    Task() = default;
    explicit Task(Handle h) : handle_(h) {}
    Task(Task&& other) noexcept : handle_(std::exchange(other.handle_, {})) {}
    Task& operator=(Task&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, {});
        }
        return *this;
    }
    Task(const Task&) = delete;
    Task& operator=(const Task&) = delete;
    ~Task() { reset(); }

    bool valid() const { return static_cast<bool>(handle_); }
    bool done() const { return handle_ && handle_.done(); }

    // Runs a root task until its first suspension.
    void start() {
        if (handle_ && !handle_.done()) handle_.resume();
    }

    // Destroys the frame, cancelling whatever it waits on.
    void reset() {
        if (handle_) std::exchange(handle_, {}).destroy();
    }

    // For a root task: `finished(context)` is called when it finishes, normally or
    // by an exception, from inside its last step (so it must not destroy the task).
    void setOnFinished(void (*finished)(void*), void* context) {
        handle_.promise().rootFinished = finished;
        handle_.promise().rootFinishedContext = context;
    }

    // Rethrows an exception that ended a finished root task.
    void rethrowIfFailed() const {
        if (handle_ && handle_.done() && handle_.promise().error)
            std::rethrow_exception(handle_.promise().error);
    }

    bool await_ready() const noexcept { return !handle_ || handle_.done(); }
    bool await_suspend(std::coroutine_handle<> parent) {
        auto& p = handle_.promise();
        p.continuation = parent;
        p.awaitedInline = true;
        handle_.resume();
        p.awaitedInline = false;
        return !handle_.done();
    }
    T await_resume() {
        auto& p = handle_.promise();
        if (p.error) std::rethrow_exception(p.error);
        if constexpr (!std::is_void_v<T>) return std::move(*p.value);
    }

  private:
    Handle handle_;
};

namespace detail {
template <class T>
Task<T> Promise<T>::get_return_object() noexcept {
    return Task<T>(std::coroutine_handle<Promise<T>>::from_promise(*this));
}
inline Task<void> Promise<void>::get_return_object() noexcept {
    return Task<void>(std::coroutine_handle<Promise<void>>::from_promise(*this));
}
}  // namespace detail

// What the controller awaits from the table: either a result that is there at
// once (the headless table: no frame, no suspension) or a task that will finish
// later (the window: a timer, a click, an animation).
template <class T = void>
class [[nodiscard]] Wait {
  public:
    Wait(T value) : value_(std::move(value)) {}  // NOLINT: a ready result converts
    Wait(Task<T> task) : task_(std::move(task)) {}

    bool await_ready() const noexcept { return !task_.valid() || task_.await_ready(); }
    bool await_suspend(std::coroutine_handle<> parent) { return task_.await_suspend(parent); }
    T await_resume() { return task_.valid() ? task_.await_resume() : std::move(*value_); }

  private:
    std::optional<T> value_;
    Task<T> task_;
};

template <>
class [[nodiscard]] Wait<void> {
  public:
    Wait() = default;  // done at once
    Wait(Task<void> task) : task_(std::move(task)) {}

    bool await_ready() const noexcept { return !task_.valid() || task_.await_ready(); }
    bool await_suspend(std::coroutine_handle<> parent) { return task_.await_suspend(parent); }
    void await_resume() {
        if (task_.valid()) task_.await_resume();
    }

  private:
    Task<void> task_;
};

}  // namespace morvello
