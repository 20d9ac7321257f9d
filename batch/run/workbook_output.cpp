// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/run/workbook_output.h"

#include <limits>
#include <system_error>

namespace evdrive::batch {
namespace {

WorkbookCell::Kind kindOf(WorkbookRows::Kind kind) {
    switch (kind) {
    case WorkbookRows::Kind::Number:
        return WorkbookCell::Kind::Number;
    case WorkbookRows::Kind::Text:
        return WorkbookCell::Kind::Text;
    case WorkbookRows::Kind::Boolean:
        return WorkbookCell::Kind::Boolean;
    case WorkbookRows::Kind::Empty:
        break;
    }
    return WorkbookCell::Kind::Empty;
}

} // namespace

// Two batches waiting are enough to keep the writer busy while the run
// reads the next; more would only hold memory.
constexpr std::size_t queued = 2;

WorkbookOutput::~WorkbookOutput() {
    if (thread_.joinable()) {
        {
            const std::lock_guard lock(mutex_);
            ended_ = true;
            abandoned_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
}

Outcome<> WorkbookOutput::writeStart(WorkbookRows& rows, std::size_t headerIndex) {
    rowsGiven_ += rows.rowEnds().size();
    return writeRows(rows, headerIndex);
}

Outcome<> WorkbookOutput::write(WorkbookRows& rows) {
    if (charts_.wanted()) {
        charts_.add(rows, rowsGiven_);
    }
    rowsGiven_ += rows.rowEnds().size();
    if (inBackground_ && !thread_.joinable()) {
        try {
            thread_ = std::thread([this] { writeQueued(); });
        } catch (const std::system_error&) {
            inBackground_ = false;
        }
    }
    if (!inBackground_) {
        return writeRows(rows, std::numeric_limits<std::size_t>::max());
    }
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return queue_.size() < queued || failed_ || thrown_; });
    if (failed_ || thrown_) {
        lock.unlock();
        return failure();
    }
    queue_.push_back(std::move(rows));
    lock.unlock();
    changed_.notify_all();
    return {};
}

Outcome<> WorkbookOutput::finish() {
    if (!thread_.joinable()) {
        return {};
    }
    {
        const std::lock_guard lock(mutex_);
        ended_ = true;
    }
    changed_.notify_all();
    thread_.join();
    return failure();
}

void WorkbookOutput::writeQueued() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !queue_.empty() || ended_; });
        if (queue_.empty() || abandoned_) {
            return;
        }
        // The batch stays at the front while it is written, so that the run
        // waits for room until it is done.
        const WorkbookRows& rows = queue_.front();
        lock.unlock();
        std::optional<Problem> problem;
        std::exception_ptr thrown;
        try {
            if (auto written = writeRows(rows, std::numeric_limits<std::size_t>::max()); !written) {
                problem = std::move(written.error());
            }
        } catch (...) {
            thrown = std::current_exception();
        }
        lock.lock();
        queue_.pop_front();
        if (problem || thrown) {
            failed_ = std::move(problem);
            thrown_ = thrown;
            changed_.notify_all();
            return;
        }
        changed_.notify_all();
    }
}

// What stopped the writer, thrown again where the run can take it.
Outcome<> WorkbookOutput::failure() {
    const std::lock_guard lock(mutex_);
    if (thrown_) {
        std::rethrow_exception(thrown_);
    }
    if (failed_) {
        return std::unexpected(*failed_);
    }
    return {};
}

Outcome<> WorkbookOutput::writeRows(const WorkbookRows& rows, std::size_t headerIndex) {
    const auto cells = rows.cells();
    const std::string_view texts = rows.texts();
    std::uint32_t first = 0;
    for (std::size_t row = 0; row < rows.rowEnds().size(); ++row) {
        cells_.clear();
        for (const WorkbookRows::Cell& cell : cells.subspan(first, rows.rowEnds()[row] - first)) {
            cells_.push_back({kindOf(cell.kind), cell.number,
                              texts.substr(cell.textAt, cell.textSize), cell.marked,
                              texts.substr(cell.commentAt, cell.commentSize)});
        }
        first = rows.rowEnds()[row];
        if (auto written =
                writer_.writeRow(cells_, row == headerIndex ? RowStyle::Header : RowStyle::Normal);
            !written) {
            return written;
        }
    }
    return {};
}

} // namespace evdrive::batch
