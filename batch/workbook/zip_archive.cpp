// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/workbook/zip_archive.h"

#include "batch/translation.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <minizip/unzip.h>

namespace evdrive::batch {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

int seekFile(std::FILE* file, std::uint64_t offset, int origin) {
#ifdef _WIN32
    return _fseeki64(file, static_cast<__int64>(offset), origin);
#else
    return fseeko(file, static_cast<off_t>(offset), origin);
#endif
}

std::int64_t tellFile(std::FILE* file) {
#ifdef _WIN32
    return _ftelli64(file);
#else
    return ftello(file);
#endif
}

} // namespace

// The archive's bytes, a seekable file or memory, as minizip's callbacks see them.
struct ZipArchive::State {
    std::string name;
    File file{nullptr, &std::fclose};
    std::string bytes;
    std::uint64_t position = 0;
    int readError = 0; // errno of a failed read of the file
    bool readAny = false;
    unzFile zip = nullptr;
    bool partOpen = false;
    std::string part; // the open part's name, for messages

    ~State() {
        if (zip != nullptr) {
            unzClose(zip);
        }
    }

    static State& of(voidpf stream) { return *static_cast<State*>(stream); }

    static voidpf open(voidpf, const void* state, int) { return const_cast<void*>(state); }

    static uLong read(voidpf, voidpf stream, void* buffer, uLong size) {
        State& self = of(stream);
        if (self.file) {
            const std::size_t got = std::fread(buffer, 1, size, self.file.get());
            if (got < size && std::ferror(self.file.get())) {
                self.readError = errno != 0 ? errno : EIO;
            }
            self.readAny = self.readAny || got > 0;
            return static_cast<uLong>(got);
        }
        const std::uint64_t available =
            self.position < self.bytes.size() ? self.bytes.size() - self.position : 0;
        const std::size_t count =
            static_cast<std::size_t>(std::min<std::uint64_t>(size, available));
        std::memcpy(buffer, self.bytes.data() + self.position, count);
        self.position += count;
        return static_cast<uLong>(count);
    }

    static uLong write(voidpf, voidpf, const void*, uLong) { return 0; }

    static ZPOS64_T tell(voidpf, voidpf stream) {
        State& self = of(stream);
        return self.file ? static_cast<ZPOS64_T>(tellFile(self.file.get())) : self.position;
    }

    static long seek(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
        State& self = of(stream);
        const int whence = origin == ZLIB_FILEFUNC_SEEK_SET   ? SEEK_SET
                           : origin == ZLIB_FILEFUNC_SEEK_CUR ? SEEK_CUR
                                                              : SEEK_END;
        if (self.file) {
            return seekFile(self.file.get(), offset, whence) == 0 ? 0 : -1;
        }
        const std::uint64_t base = whence == SEEK_SET   ? 0
                                   : whence == SEEK_CUR ? self.position
                                                        : self.bytes.size();
        if (base + offset > self.bytes.size()) {
            return -1;
        }
        self.position = base + offset;
        return 0;
    }

    static int close(voidpf, voidpf) { return 0; }

    static int error(voidpf, voidpf stream) { return of(stream).readError; }

    // Problems of reading the file itself come first: they make the archive
    // look damaged when it is not. A file whose first read fails, a folder
    // for one, does not open as a workbook.
    Problem failure(std::string_view what) const {
        if (readError != 0) {
            return {readAny ? ExitStatus::IoFailure : ExitStatus::BadInput, name,
                    std::string(errorText(readError))};
        }
        return {ExitStatus::BadInput, name, format(tr("a damaged workbook: %1"), {what})};
    }
};

ZipArchive::ZipArchive(std::unique_ptr<State> state)
    : state_(std::move(state)) {}
ZipArchive::ZipArchive(ZipArchive&&) noexcept = default;
ZipArchive& ZipArchive::operator=(ZipArchive&&) noexcept = default;
ZipArchive::~ZipArchive() = default;

Outcome<ZipArchive> ZipArchive::openFile(const std::string& path) {
    auto state = std::make_unique<State>();
    state->name = path;
    state->file.reset(std::fopen(path.c_str(), "rb"));
    if (!state->file) {
        return problem(ExitStatus::BadInput, path, std::string(errorText(errno)));
    }
    return openOver(std::move(state));
}

Outcome<ZipArchive> ZipArchive::openBytes(std::string bytes, std::string name) {
    auto state = std::make_unique<State>();
    state->name = std::move(name);
    state->bytes = std::move(bytes);
    return openOver(std::move(state));
}

Outcome<ZipArchive> ZipArchive::openOver(std::unique_ptr<State> state) {
    zlib_filefunc64_def functions{};
    functions.zopen64_file = &State::open;
    functions.zread_file = &State::read;
    functions.zwrite_file = &State::write;
    functions.ztell64_file = &State::tell;
    functions.zseek64_file = &State::seek;
    functions.zclose_file = &State::close;
    functions.zerror_file = &State::error;
    state->zip = unzOpen2_64(state.get(), &functions);
    if (state->zip == nullptr) {
        return std::unexpected(state->failure(tr("its zip directory cannot be read")));
    }
    return ZipArchive(std::move(state));
}

const std::string& ZipArchive::name() const {
    return state_->name;
}

std::vector<std::string> ZipArchive::partNames() const {
    std::vector<std::string> names;
    for (int status = unzGoToFirstFile(state_->zip); status == UNZ_OK;
         status = unzGoToNextFile(state_->zip)) {
        unz_file_info64 info{};
        char name[1024];
        if (unzGetCurrentFileInfo64(state_->zip, &info, name, sizeof name, nullptr, 0, nullptr,
                                    0) == UNZ_OK) {
            names.emplace_back(name);
        }
    }
    return names;
}

Outcome<bool> ZipArchive::openPart(std::string_view part) {
    if (state_->partOpen) {
        unzCloseCurrentFile(state_->zip);
        state_->partOpen = false;
    }
    // Case-insensitive, as part names are.
    constexpr int ignoreCase = 2;
    const std::string name(part);
    if (unzLocateFile(state_->zip, name.c_str(), ignoreCase) != UNZ_OK) {
        return false;
    }
    if (unzOpenCurrentFile(state_->zip) != UNZ_OK) {
        return std::unexpected(state_->failure(format(tr("%1 cannot be unpacked"), {name})));
    }
    state_->partOpen = true;
    state_->part = name;
    return true;
}

Outcome<std::size_t> ZipArchive::readPart(std::span<char> buffer) {
    const int got =
        unzReadCurrentFile(state_->zip, buffer.data(),
                           static_cast<unsigned>(std::min<std::size_t>(buffer.size(), 1u << 30)));
    if (got < 0) {
        return std::unexpected(state_->failure(format(tr("%1 does not unpack"), {state_->part})));
    }
    if (got == 0) {
        state_->partOpen = false;
        if (unzCloseCurrentFile(state_->zip) != UNZ_OK) {
            return std::unexpected(
                state_->failure(format(tr("%1 fails its checksum"), {state_->part})));
        }
    }
    return static_cast<std::size_t>(got);
}

Problem ZipArchive::damaged(std::string_view what) const {
    return state_->failure(what);
}

} // namespace evdrive::batch
