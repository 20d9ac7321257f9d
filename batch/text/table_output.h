// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"
#include "batch/text/text_codec.h"

#include <cstdio>
#include <memory>
#include <string>

namespace evdrive::batch {

// The written table, in the input's encoding and line ends: rows come as
// UTF-8 text with LF or CRLF line ends.
class TableOutput {
  public:
    TableOutput(std::FILE* file, std::string encoding, bool crAlone);

    Outcome<> write(std::string text);
    Outcome<> flush();

  private:
    std::FILE* file_;
    bool crAlone_;
    std::string encoding_;
    std::unique_ptr<TextCodec> codec_; // null for UTF-8
};

} // namespace evdrive::batch
