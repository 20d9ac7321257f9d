// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"

#include <cstdio>
#include <memory>
#include <string>

namespace evdrive::batch {

// The table written where -o says, whole or not at all: into a temporary file
// beside FILE, which takes FILE's place, with FILE's permissions, only when
// committed. Dropped uncommitted, as by a failed run, it leaves FILE as it
// was and no temporary file; so does a run that Ctrl-C or SIGTERM stops (see
// interruption.h). FILE may be the table being read.
class OutputFile {
  public:
    static Outcome<std::unique_ptr<OutputFile>> create(const std::string& path);
    ~OutputFile();

    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    std::FILE* stream() const { return stream_; }
    const std::string& temporaryPath() const { return temporary_; }

    // Closes the stream, for a writer that writes the temporary file by its
    // path, as a workbook's is; committing puts what it wrote in place.
    Outcome<> releaseStream();

    // Puts the written table in FILE's place.
    Outcome<> commit();

  private:
    OutputFile(std::string path, std::string temporary, std::FILE* stream)
        : path_(std::move(path))
        , temporary_(std::move(temporary))
        , stream_(stream) {}

    std::string path_;
    std::string temporary_;
    std::FILE* stream_;
    bool committed_ = false;
};

} // namespace evdrive::batch
