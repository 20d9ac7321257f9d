// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace evdrive::batch {

// Does work on items in threads of its own and hands the results back in the
// order the items came, whatever order they finish in. Without threads the
// work is done when its result is taken, on the taking thread.
template <class Item, class Result>
class OrderedWork {
  public:
    OrderedWork(std::size_t threads, std::function<Result(const Item&)> work)
        : work_(std::move(work)) {
        for (std::size_t i = 0; i < threads; ++i) {
            threads_.emplace_back([this] { serve(); });
        }
    }

    // Work not yet taken is dropped: its results are no longer wanted.
    ~OrderedWork() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        waiting_.notify_all();
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }

    OrderedWork(const OrderedWork&) = delete;
    OrderedWork& operator=(const OrderedWork&) = delete;

    void push(Item item) {
        {
            const std::lock_guard lock(mutex_);
            slots_.push_back({std::move(item), std::nullopt, false});
        }
        waiting_.notify_one();
    }

    // Items pushed whose results are not taken yet.
    std::size_t pending() const {
        const std::lock_guard lock(mutex_);
        return slots_.size();
    }

    // The result of the oldest item whose result is not taken yet.
    Result take() {
        std::unique_lock lock(mutex_);
        if (threads_.empty()) {
            Slot slot = std::move(slots_.front());
            slots_.pop_front();
            lock.unlock();
            return work_(slot.item);
        }
        finished_.wait(lock, [this] { return slots_.front().result.has_value(); });
        Result result = std::move(*slots_.front().result);
        slots_.pop_front();
        return result;
    }

  private:
    struct Slot {
        Item item;
        std::optional<Result> result;
        bool started;
    };

    void serve() {
        std::unique_lock lock(mutex_);
        for (;;) {
            Slot* slot = nullptr;
            waiting_.wait(lock, [&] {
                slot = nextUnstarted();
                return stopping_ || slot;
            });
            if (stopping_) {
                return;
            }
            slot->started = true;
            // Slots stay where they are until their results are taken: a
            // deque keeps the addresses of its elements as it grows at the back.
            lock.unlock();
            Result result = work_(slot->item);
            lock.lock();
            slot->result = std::move(result);
            finished_.notify_all();
        }
    }

    Slot* nextUnstarted() {
        for (Slot& slot : slots_) {
            if (!slot.started) {
                return &slot;
            }
        }
        return nullptr;
    }

    std::function<Result(const Item&)> work_;
    mutable std::mutex mutex_;
    std::condition_variable waiting_;
    std::condition_variable finished_;
    std::deque<Slot> slots_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace evdrive::batch
