// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"

#include <cstddef>
#include <cstdio>
#include <span>
#include <string>

namespace evdrive::batch {

// Where a table's bytes come from.
class ByteSource {
  public:
    virtual ~ByteSource() = default;

    // Up to buffer.size() bytes into buffer; 0 at the end of the input.
    virtual Outcome<std::size_t> read(std::span<char> buffer) = 0;
};

// Reads up to size bytes from source onto the end of text, without first
// filling the room with zeros; how many it read.
Outcome<std::size_t> readOnto(ByteSource& source, std::string& text, std::size_t size);

// The bytes of an open file or stream, named in messages as the user knows
// it: a FILE by its path, standard input as such. A FILE whose first read
// fails, a folder for one, does not open as a table.
class FileSource : public ByteSource {
  public:
    FileSource(std::FILE* file, std::string name, bool namedFile);

    Outcome<std::size_t> read(std::span<char> buffer) override;

  private:
    std::FILE* file_;
    std::string name_;
    bool namedFile_;
    bool readAny_ = false;
};

} // namespace evdrive::batch
