// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"

#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

// A zip archive read part by part, one part open at a time, its parts
// inflated in pieces. Its problems name the archive as the user knows it.
class ZipArchive {
  public:
    // A named file, read where it lies; one that cannot seek (a pipe) is read
    // whole into memory first.
    static Outcome<ZipArchive> openFile(const std::string& path);
    // The whole archive in memory: standard input read to its end.
    static Outcome<ZipArchive> openBytes(std::string bytes, std::string name);

    ZipArchive(ZipArchive&&) noexcept;
    ZipArchive& operator=(ZipArchive&&) noexcept;
    ~ZipArchive();

    const std::string& name() const;

    // The names of the parts, in the directory's order.
    std::vector<std::string> partNames() const;

    // Opens a part for reading, matching its name without regard to case as
    // the package format wants; false when there is no such part.
    Outcome<bool> openPart(std::string_view part);
    // The next piece of the open part: up to buffer.size() bytes, 0 at its end,
    // where its checksum is checked.
    Outcome<std::size_t> readPart(std::span<char> buffer);

    // A problem of a damaged archive or part, naming the archive.
    Problem damaged(std::string_view what) const;

  private:
    struct State;
    explicit ZipArchive(std::unique_ptr<State> state);
    static Outcome<ZipArchive> openOver(std::unique_ptr<State> state);
    std::unique_ptr<State> state_;
};

} // namespace evdrive::batch
