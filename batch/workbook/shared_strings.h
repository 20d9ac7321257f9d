// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"
#include "batch/workbook/zip_archive.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::batch {

// A workbook's table of shared strings, held in memory: cells name their
// text by its place in it. Rich text is its runs joined; phonetic hints are
// left out.
class SharedStrings {
  public:
    // The strings of the part; none for an empty name.
    static Outcome<SharedStrings> read(ZipArchive& zip, const std::string& part);

    std::size_t size() const { return ends_.size(); }
    std::string_view operator[](std::size_t index) const {
        const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
        return std::string_view(text_).substr(begin, ends_[index] - begin);
    }

  private:
    std::string text_;              // every string, one after another
    std::vector<std::size_t> ends_; // where each ends in text_
};

} // namespace evdrive::batch
