// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/problem.h"
#include "batch/workbook/sheet_row.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace evdrive::batch {

// Reads one worksheet of an .xlsx workbook row by row: the sheet's XML is
// unpacked and parsed in pieces, so that memory holds one row and the shared
// strings however many rows the sheet has. A workbook that is not one, or is
// damaged, is BadInput with a one-line message; a file that cannot be read,
// IoFailure. Messages name the workbook as given (its path, or "standard input").
class WorkbookReader {
  public:
    // sheet: a sheet's name, else its number from 1 in tab order; without
    // one, the first worksheet. A named file is read where it lies.
    static Outcome<std::unique_ptr<WorkbookReader>>
    openFile(const std::string& path, const std::optional<std::string>& sheet);
    // The whole workbook in memory, as standard input must be read: a zip's
    // directory is at its end.
    static Outcome<std::unique_ptr<WorkbookReader>>
    openBytes(std::string bytes, std::string name, const std::optional<std::string>& sheet);

    ~WorkbookReader();

    const std::string& sheetName() const;

    // The next row the sheet holds, in order; nullopt after the last. The
    // row's cells stay valid until the next call.
    Outcome<std::optional<SheetRow>> next();

  private:
    struct State;
    explicit WorkbookReader(std::unique_ptr<State> state);
    static Outcome<std::unique_ptr<WorkbookReader>> open(Outcome<class ZipArchive> zip,
                                                         const std::optional<std::string>& sheet);
    std::unique_ptr<State> state_;
};

} // namespace evdrive::batch
