// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/csv_reader.h"

#include <cerrno>

namespace evdrive::batch {
namespace {

// Large reads keep the cost of each call small beside the calculation; the
// buffer is all the memory the input takes besides the record being read.
constexpr std::size_t bufferSize = std::size_t{1} << 20;

} // namespace

CsvReader::CsvReader(std::FILE* input)
    : input_(input)
    , buffer_(bufferSize) {
    if (fill() && std::string_view(buffer_.data(), end_).starts_with(byteOrderMark)) {
        pos_ = byteOrderMark.size();
        hadByteOrderMark_ = true;
    }
}

bool CsvReader::fill() {
    pos_ = 0;
    end_ = 0;
    if (error_ != 0 || std::feof(input_)) {
        return false;
    }
    errno = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), input_);
    if (end_ < buffer_.size() && std::ferror(input_)) {
        error_ = errno != 0 ? errno : EIO;
    }
    return end_ > 0;
}

CsvReader::Status CsvReader::next() {
    for (;;) {
        cellCount_ = 0;
        recordLine_ = line_;
        if (peek() == endOfInput) {
            return error_ != 0 ? Status::ReadFailed : Status::End;
        }
        bool quoted = false;
        Stop stop = Stop::Comma;
        while (stop == Stop::Comma) {
            std::string& cell = startCell();
            if (peek() == '"') {
                const std::size_t quoteLine = line_;
                ++pos_;
                quoted = true;
                if (!appendQuoted(cell)) {
                    recordLine_ = quoteLine;
                    return error_ != 0 ? Status::ReadFailed : Status::OpenQuote;
                }
            }
            stop = appendPlain(cell);
        }
        // A record the input breaks off in the middle of is no record.
        if (stop == Stop::EndOfInput && error_ != 0) {
            return Status::ReadFailed;
        }
        const bool emptyLine = cellCount_ == 1 && cells_[0].empty() && !quoted;
        if (!emptyLine) {
            return Status::Record;
        }
    }
}

std::string& CsvReader::startCell() {
    if (cellCount_ == cells_.size()) {
        cells_.emplace_back();
    }
    std::string& cell = cells_[cellCount_++];
    cell.clear();
    return cell;
}

CsvReader::Stop CsvReader::appendPlain(std::string& cell) {
    endedInCrlf_ = false;
    for (;;) {
        const char* data = buffer_.data();
        std::size_t stop = pos_;
        while (stop < end_ && data[stop] != ',' && data[stop] != '\n' && data[stop] != '\r') {
            ++stop;
        }
        cell.append(data + pos_, stop - pos_);
        pos_ = stop;
        switch (peek()) {
        case endOfInput:
            return Stop::EndOfInput;
        case ',':
            ++pos_;
            return Stop::Comma;
        case '\n':
            ++pos_;
            ++line_;
            return Stop::LineEnd;
        default: // '\r', a line end only before '\n'
            ++pos_;
            if (peek() == '\n') {
                ++pos_;
                ++line_;
                endedInCrlf_ = true;
                return Stop::LineEnd;
            }
            cell += '\r';
        }
    }
}

bool CsvReader::appendQuoted(std::string& cell) {
    for (;;) {
        const char* data = buffer_.data();
        std::size_t stop = pos_;
        while (stop < end_ && data[stop] != '"' && data[stop] != '\n') {
            ++stop;
        }
        cell.append(data + pos_, stop - pos_);
        pos_ = stop;
        switch (peek()) {
        case endOfInput:
            return false;
        case '\n':
            ++pos_;
            ++line_;
            cell += '\n';
            break;
        default: // '"': a doubled quote stands for one, a single one closes the cell
            ++pos_;
            if (peek() != '"') {
                return true;
            }
            ++pos_;
            cell += '"';
        }
    }
}

} // namespace evdrive::batch
