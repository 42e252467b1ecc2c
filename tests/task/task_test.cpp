// What this suite guards: the controller's coroutine runtime: ready waits, children
// that finish later, failures reaching the root, no stack growth, and cancellation
// on destruction.
#include <gtest/gtest.h>

#include <coroutine>
#include <stdexcept>
#include <string>
#include <vector>

#include "task/task.h"

namespace morvello {
namespace {

// A wait that a test resumes by hand; it notes when it is destroyed unfinished.
struct Gate {
    std::coroutine_handle<> waiter;
    int value = 0;
    bool cancelled = false;

    struct Awaiter {
        Gate& gate;
        bool resumed = false;
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> h) { gate.waiter = h; }
        int await_resume() {
            resumed = true;
            return gate.value;
        }
        ~Awaiter() {
            if (!resumed && gate.waiter) gate.cancelled = true;
        }
    };
    Awaiter operator co_await() { return Awaiter{*this}; }

    void open(int v) {
        value = v;
        std::exchange(waiter, {}).resume();
    }
};

Task<int> later(Gate& gate) {
    co_return co_await gate;
}

Wait<int> readyOrLater(Gate* gate, int ready) {
    if (!gate) return ready;
    return later(*gate);
}

Task<int> sum(Gate* gate, std::vector<std::string>& log) {
    int total = 0;
    for (int i = 1; i <= 3; ++i) {
        total += co_await readyOrLater(gate, i);
        log.push_back("step " + std::to_string(i));
    }
    co_return total;
}

// Then a million children that finish at once: a stack frame each would overflow.
TEST(Task, WaitsThatAreReadyRunToTheEndInsideStartWithoutGrowingTheStack) {
    std::vector<std::string> log;
    int result = 0, many = 0;
    auto one = []() -> Task<int> { co_return co_await readyOrLater(nullptr, 1); };
    auto root = [&]() -> Task<> {
        result = co_await sum(nullptr, log);
        for (int i = 0; i < 1'000'000; ++i) many += co_await one();
    };
    Task<> task = root();
    task.start();
    EXPECT_TRUE(task.done());
    EXPECT_EQ(result, 6);
    EXPECT_EQ(log.size(), 3u);
    EXPECT_EQ(many, 1'000'000);
}

TEST(Task, AChildThatFinishesLaterResumesItsParent) {
    Gate gate;
    std::vector<std::string> log;
    int result = 0;
    auto root = [&]() -> Task<> { result = co_await sum(&gate, log); };
    Task<> task = root();
    task.start();
    for (int v : {10, 20, 30}) {
        ASSERT_FALSE(task.done());
        gate.open(v);
    }
    EXPECT_TRUE(task.done());
    EXPECT_EQ(result, 60);
}

TEST(Task, AnExceptionCrossesSeveralAwaitsToTheRoot) {
    Gate gate;
    auto failing = [&]() -> Task<int> {
        co_await gate;
        throw std::runtime_error("broken deck");
    };
    auto middle = [&]() -> Task<int> { co_return 1 + co_await failing(); };
    bool finished = false;
    bool afterFailure = false;
    auto root = [&]() -> Task<> {
        co_await middle();
        afterFailure = true;
    };
    Task<> task = root();
    task.setOnFinished([](void* flag) { *static_cast<bool*>(flag) = true; }, &finished);
    task.start();
    EXPECT_FALSE(finished);
    gate.open(0);
    EXPECT_TRUE(finished);  // the root was told, from the step that failed
    EXPECT_TRUE(task.done());
    EXPECT_FALSE(afterFailure);
    EXPECT_THROW(task.rethrowIfFailed(), std::runtime_error);
}

TEST(Task, DestroyingASuspendedTaskCancelsItsLeafWait) {
    Gate gate;
    std::vector<std::string> log;
    {
        auto root = [&]() -> Task<> { co_await sum(&gate, log); };
        Task<> task = root();
        task.start();
        gate.open(1);
        ASSERT_FALSE(task.done());
    }
    EXPECT_TRUE(gate.cancelled);
    EXPECT_EQ(log, std::vector<std::string>{"step 1"});
}

}  // namespace
}  // namespace morvello
