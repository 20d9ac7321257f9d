// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/command/output_file.h"

#include "batch/text/utf8.h"
#include "batch/translation.h"

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace evdrive::batch {
namespace {

std::unexpected<Problem> cannotWrite(const std::string& path, int error) {
    return problem(ExitStatus::IoFailure, path, std::string(errorText(error)));
}

// "results.csv" becomes ".results.csv.evdrive-…" in the same folder, so that
// the rename that puts it in place never crosses file systems.
std::string temporaryPattern(const std::string& path) {
    const std::size_t slash = path.find_last_of(
#ifdef _WIN32
        "/\\"
#else
        "/"
#endif
    );
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, name) + "." + path.substr(name) + ".evdrive-";
}

#ifdef _WIN32
std::wstring wide(const std::string& text) {
    const std::u16string units = utf16Of(text);
    return {units.begin(), units.end()};
}

int errorOf(DWORD error) {
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return EACCES;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return ENOENT;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
}
#endif

} // namespace

Outcome<std::unique_ptr<OutputFile>> OutputFile::create(const std::string& path) {
    const std::string pattern = temporaryPattern(path);
#ifdef _WIN32
    // Opened to be deleted while open, so that Ctrl+C can take it away.
    for (unsigned attempt = 0;; ++attempt) {
        const std::string temporary =
            pattern + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt);
        const HANDLE handle =
            CreateFileW(wide(temporary).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                        nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS && attempt < 100) {
                continue;
            }
            return cannotWrite(path, errorOf(error));
        }
        const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_BINARY);
        std::FILE* stream = descriptor < 0 ? nullptr : _fdopen(descriptor, "wb");
        if (!stream) {
            CloseHandle(handle);
            DeleteFileW(wide(temporary).c_str());
            return cannotWrite(path, EIO);
        }
        return std::unique_ptr<OutputFile>(new OutputFile(path, temporary, stream));
    }
#else
    std::string temporary = pattern + "XXXXXX";
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        return cannotWrite(path, errno);
    }
    // The permissions FILE has, or a new file gets.
    struct stat existing {};
    mode_t mode = 0;
    if (stat(path.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }
    std::FILE* stream = fchmod(descriptor, mode) == 0 ? fdopen(descriptor, "wb") : nullptr;
    if (!stream) {
        const int error = errno;
        close(descriptor);
        unlink(temporary.c_str());
        return cannotWrite(path, error);
    }
    return std::unique_ptr<OutputFile>(new OutputFile(path, temporary, stream));
#endif
}

Outcome<> OutputFile::releaseStream() {
    const int closed = std::fclose(stream_);
    stream_ = nullptr;
    if (closed != 0) {
        return cannotWrite(path_, errno);
    }
    return {};
}

OutputFile::~OutputFile() {
    if (committed_) {
        return;
    }
    if (stream_) {
        std::fclose(stream_);
    }
#ifdef _WIN32
    DeleteFileW(wide(temporary_).c_str());
#else
    unlink(temporary_.c_str());
#endif
}

Outcome<> OutputFile::commit() {
    committed_ = true;
    int error = 0;
#ifdef _WIN32
    if (stream_ && std::fflush(stream_) != 0) {
        error = errno;
    }
    if (stream_ && std::fclose(stream_) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && !MoveFileExW(wide(temporary_).c_str(), wide(path_).c_str(),
                                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = errorOf(GetLastError());
    }
    if (error != 0) {
        DeleteFileW(wide(temporary_).c_str());
    }
#else
    // On the disk before it takes FILE's place, so that a crash leaves one or the other.
    if (!stream_) {
        stream_ = std::fopen(temporary_.c_str(), "rb");
        if (!stream_) {
            error = errno;
        }
    }
    if (stream_ && (std::fflush(stream_) != 0 || fsync(fileno(stream_)) != 0)) {
        error = errno;
    }
    if (stream_ && std::fclose(stream_) != 0 && error == 0) {
        error = errno;
    }
    if (error == 0 && std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        error = errno;
    }
    if (error != 0) {
        unlink(temporary_.c_str());
    }
#endif
    if (error != 0) {
        return cannotWrite(path_, error);
    }
    return {};
}

} // namespace evdrive::batch
