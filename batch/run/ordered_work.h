// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace evdrive::batch {

// Does work on items in threads of its own and hands the results back in the
// order the items came, whatever order they finish in. A thread starts when
// an item comes that no thread is free for, up to the number asked for; one
// the system will not start leaves the work to those it did, and without
// threads the work is done when its result is taken, on the taking thread.
// What the work throws is thrown again where its result is taken.
template <class Item, class Result>
class OrderedWork {
  public:
    OrderedWork(std::size_t threads, std::function<Result(const Item&)> work)
        : wanted_(threads)
        , work_(std::move(work)) {}

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
            slots_.push_back({std::move(item), std::nullopt, nullptr, false});
            ++unstarted_;
            // Never more threads than items to work on.
            if (threads_.size() < wanted_ && !refused_ && unstarted_ > idle_) {
                startThread();
            }
        }
        waiting_.notify_one();
    }

    // Items pushed whose results are not taken yet.
    std::size_t pending() const {
        const std::lock_guard lock(mutex_);
        return slots_.size();
    }

    // The threads started when the system would start no more; nullopt while it starts them all.
    std::optional<std::size_t> refusedAt() const {
        const std::lock_guard lock(mutex_);
        return refused_ ? std::optional(threads_.size()) : std::nullopt;
    }

    // The result of the oldest item whose result is not taken yet.
    Result take() {
        std::unique_lock lock(mutex_);
        if (threads_.empty()) {
            Slot slot = std::move(slots_.front());
            slots_.pop_front();
            --unstarted_;
            lock.unlock();
            return work_(slot.item);
        }
        finished_.wait(lock, [this] { return slots_.front().result || slots_.front().thrown; });
        Slot slot = std::move(slots_.front());
        slots_.pop_front();
        if (slot.thrown) {
            std::rethrow_exception(slot.thrown);
        }
        return std::move(*slot.result);
    }

  private:
    struct Slot {
        Item item;
        std::optional<Result> result;
        std::exception_ptr thrown;
        bool started;
    };

    void startThread() {
        try {
            threads_.emplace_back([this] { serve(); });
            ++idle_;
        } catch (const std::system_error&) {
            refused_ = true;
        }
    }

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
            --unstarted_;
            --idle_;
            // Slots stay where they are until their results are taken: a
            // deque keeps the addresses of its elements as it grows at the back.
            lock.unlock();
            std::optional<Result> result;
            std::exception_ptr thrown;
            try {
                result = work_(slot->item);
            } catch (...) {
                thrown = std::current_exception();
            }
            lock.lock();
            slot->result = std::move(result);
            slot->thrown = thrown;
            ++idle_;
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

    std::size_t wanted_;
    std::function<Result(const Item&)> work_;
    mutable std::mutex mutex_;
    std::condition_variable waiting_;
    std::condition_variable finished_;
    std::deque<Slot> slots_;
    bool stopping_ = false;
    bool refused_ = false;
    std::size_t unstarted_ = 0; // items no thread works on yet
    std::size_t idle_ = 0;      // threads waiting for an item
    std::vector<std::thread> threads_;
};

} // namespace evdrive::batch
