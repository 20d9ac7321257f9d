// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/text/byte_source.h"

#include "batch/translation.h"

#include <cerrno>
#include <cstring>

namespace evdrive::batch {

Outcome<std::size_t> readOnto(ByteSource& source, std::string& text, std::size_t size) {
    const std::size_t old = text.size();
    Outcome<std::size_t> got = 0;
    text.resize_and_overwrite(old + size, [&](char* data, std::size_t room) {
        got = source.read({data + old, room - old});
        return old + got.value_or(0);
    });
    return got;
}

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
                       name_, std::string(errorText(error)));
    }
    readAny_ = readAny_ || got > 0;
    return got;
}

} // namespace evdrive::batch
