// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/batch/command_run.h"

#include "batch/command/command.h"

#include <cstdio>
#include <memory>

namespace evdrive::batch {
namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

File temporaryFile() {
    return {std::tmpfile(), &std::fclose};
}

std::string contents(std::FILE* file) {
    std::rewind(file);
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        text.append(buffer, n);
    }
    return text;
}

} // namespace

CommandRun runBatch(const std::vector<std::string_view>& args, std::string_view input,
                    std::size_t readSize) {
    const File in = temporaryFile();
    const File out = temporaryFile();
    const File err = temporaryFile();
    if (!input.empty()) {
        std::fwrite(input.data(), 1, input.size(), in.get());
    }
    std::rewind(in.get());
    const int status = runCommand(args, "3.00.0001", {in.get(), out.get(), err.get()}, readSize);
    return {contents(out.get()), contents(err.get()), status};
}

} // namespace evdrive::batch
