// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/byte_source.h"

#include <cerrno>
#include <cstring>

namespace evdrive::batch {

FileSource::FileSource(std::FILE* file, std::string name, bool namedFile)
    : file_(file)
    , name_(std::move(name))
    , namedFile_(namedFile) {}

Outcome<std::size_t> FileSource::read(std::span<char> buffer) {
    errno = 0;
    const std::size_t got = std::fread(buffer.data(), 1, buffer.size(), file_);
    if (got < buffer.size() && std::ferror(file_)) {
        const int error = errno != 0 ? errno : EIO;
        return problem(namedFile_ && !readAny_ ? ExitStatus::BadInput : ExitStatus::IoFailure,
                       name_, std::strerror(error));
    }
    readAny_ = readAny_ || got > 0;
    return got;
}

} // namespace evdrive::batch
