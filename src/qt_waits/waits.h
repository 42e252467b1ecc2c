// The leaf waits of the window's table: awaiters that a Qt timer, animation or
// input event resumes. Destroying a suspended awaiter cancels what it waits on.
// A Qt callback that resumes a coroutine touches nothing after resume() returns:
// the resumed code may already have destroyed the awaiter.
#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QVariantAnimation>
#include <coroutine>
#include <functional>
#include <optional>
#include <utility>

namespace morvello {

// One input the match controller waits for (a card click, a deck click, a
// command). The window delivers values; only a waiting coroutine takes them.
template <class T>
class InputSlot {
  public:
    bool waiting() const { return static_cast<bool>(waiter_); }

    // Resumes the waiting coroutine with value; false when nothing waits.
    bool deliver(T value) {
        if (!waiter_) return false;
        value_ = std::move(value);
        std::exchange(waiter_, {}).resume();
        return true;
    }

    class Awaiter {
      public:
        explicit Awaiter(InputSlot& slot) : slot_(slot) {}
        Awaiter(const Awaiter&) = delete;
        Awaiter& operator=(const Awaiter&) = delete;
        ~Awaiter() {
            if (self_ && slot_.waiter_ == self_) slot_.waiter_ = {};
        }
        bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> h) {
            self_ = h;
            slot_.waiter_ = h;
        }
        T await_resume() { return std::move(*slot_.value_); }

      private:
        InputSlot& slot_;
        std::coroutine_handle<> self_;
    };

    Awaiter wait() {
        value_.reset();
        return Awaiter(*this);
    }

  private:
    std::coroutine_handle<> waiter_;
    std::optional<T> value_;
};

// A single-shot timer of ms milliseconds.
class TimerAwaiter {
  public:
    TimerAwaiter(QObject* owner, int ms) : owner_(owner), ms_(ms) {}
    TimerAwaiter(const TimerAwaiter&) = delete;
    TimerAwaiter& operator=(const TimerAwaiter&) = delete;
    ~TimerAwaiter() {
        if (!timer_) return;
        QObject::disconnect(timer_, nullptr, nullptr, nullptr);
        timer_->stop();
        timer_->deleteLater();
    }
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> h) {
        timer_ = new QTimer(owner_);
        timer_->setSingleShot(true);
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, [h] { h.resume(); });
        timer_->start(ms_);
    }
    void await_resume() const noexcept {}

  private:
    QObject* owner_;
    int ms_;
    QPointer<QTimer> timer_;
};

// A repeating timer: tick() runs every intervalMs, `ticks` times, then the wait ends.
class TickAwaiter {
  public:
    TickAwaiter(QObject* owner, int intervalMs, int ticks, std::function<void()> tick)
        : owner_(owner), intervalMs_(intervalMs), ticks_(ticks), tick_(std::move(tick)) {}
    TickAwaiter(const TickAwaiter&) = delete;
    TickAwaiter& operator=(const TickAwaiter&) = delete;
    ~TickAwaiter() {
        if (!timer_) return;
        QObject::disconnect(timer_, nullptr, nullptr, nullptr);
        timer_->stop();
        timer_->deleteLater();
    }
    bool await_ready() const noexcept { return ticks_ <= 0; }
    void await_suspend(std::coroutine_handle<> h) {
        timer_ = new QTimer(owner_);
        timer_->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer_, &QTimer::timeout, [this, h] {
            tick_();
            if (--ticks_ > 0) return;
            timer_->stop();
            h.resume();
        });
        timer_->start(intervalMs_);
    }
    void await_resume() const noexcept {}

  private:
    QObject* owner_;
    int intervalMs_;
    int ticks_;
    std::function<void()> tick_;
    QPointer<QTimer> timer_;
};

// An animation of durationMs: frame(progress 0..1) at the display's frame rate,
// with frame(1) last.
class AnimationAwaiter {
  public:
    AnimationAwaiter(QObject* owner, int durationMs, std::function<void(double)> frame)
        : owner_(owner), durationMs_(durationMs), frame_(std::move(frame)) {}
    AnimationAwaiter(const AnimationAwaiter&) = delete;
    AnimationAwaiter& operator=(const AnimationAwaiter&) = delete;
    ~AnimationAwaiter() {
        if (!animation_) return;
        QObject::disconnect(animation_, nullptr, nullptr, nullptr);
        if (animation_->state() != QAbstractAnimation::Stopped) animation_->stop();
        animation_->deleteLater();
    }
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> h) {
        animation_ = new QVariantAnimation(owner_);
        animation_->setStartValue(0.0);
        animation_->setEndValue(1.0);
        animation_->setDuration(durationMs_);
        QObject::connect(animation_, &QVariantAnimation::valueChanged,
                         [this](const QVariant& v) { frame_(v.toDouble()); });
        QObject::connect(animation_, &QAbstractAnimation::finished, [this, h] {
            frame_(1.0);
            h.resume();
        });
        animation_->start();
    }
    void await_resume() const noexcept {}

  private:
    QObject* owner_;
    int durationMs_;
    std::function<void(double)> frame_;
    QPointer<QVariantAnimation> animation_;
};

// The end of work running on another thread, seen from the window's thread.
// Destroying the awaiter leaves the work to finish on its own.
class FutureAwaiter {
  public:
    FutureAwaiter(QObject* owner, QFuture<void> future)
        : owner_(owner), future_(std::move(future)) {}
    FutureAwaiter(const FutureAwaiter&) = delete;
    FutureAwaiter& operator=(const FutureAwaiter&) = delete;
    ~FutureAwaiter() {
        if (!watcher_) return;
        QObject::disconnect(watcher_, nullptr, nullptr, nullptr);
        watcher_->deleteLater();
    }
    bool await_ready() const noexcept { return future_.isFinished(); }
    void await_suspend(std::coroutine_handle<> h) {
        watcher_ = new QFutureWatcher<void>(owner_);
        QObject::connect(watcher_, &QFutureWatcherBase::finished, [h] { h.resume(); });
        watcher_->setFuture(future_);
    }
    void await_resume() const noexcept {}

  private:
    QObject* owner_;
    QFuture<void> future_;
    QPointer<QFutureWatcher<void>> watcher_;
};

}  // namespace morvello
