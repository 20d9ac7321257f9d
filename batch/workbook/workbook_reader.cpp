// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/workbook/workbook_reader.h"

#include "batch/translation.h"
#include "batch/workbook/shared_strings.h"
#include "batch/workbook/sheet_cells.h"
#include "batch/workbook/table_kind.h"
#include "batch/workbook/workbook_parts.h"
#include "batch/workbook/zip_archive.h"

namespace evdrive::batch {

struct WorkbookReader::State {
    ZipArchive zip;
    SheetEntry sheet;
    SharedStrings strings;
    SheetCellsParser parser{strings};
    bool suspended = false;
    bool lastPiece = false;
    bool finished = false;
};

WorkbookReader::WorkbookReader(std::unique_ptr<State> state)
    : state_(std::move(state)) {}
WorkbookReader::~WorkbookReader() = default;

Outcome<std::unique_ptr<WorkbookReader>>
WorkbookReader::openFile(const std::string& path, const std::optional<std::string>& sheet) {
    return open(ZipArchive::openFile(path), sheet);
}

Outcome<std::unique_ptr<WorkbookReader>>
WorkbookReader::openBytes(std::string bytes, std::string name,
                          const std::optional<std::string>& sheet) {
    return open(ZipArchive::openBytes(std::move(bytes), std::move(name)), sheet);
}

Outcome<std::unique_ptr<WorkbookReader>>
WorkbookReader::open(Outcome<ZipArchive> zip, const std::optional<std::string>& sheet) {
    if (!zip) {
        return std::unexpected(zip.error());
    }
    // Other packages in a zip: an OpenDocument spreadsheet, a binary workbook.
    if (auto readable = readableTable(classifyArchive(zip->partNames()), zip->name()); !readable) {
        return std::unexpected(std::move(readable.error()));
    }
    const auto parts = readWorkbookParts(*zip);
    if (!parts) {
        return std::unexpected(parts.error());
    }
    auto chosen = chooseSheet(*parts, sheet, zip->name());
    if (!chosen) {
        return std::unexpected(chosen.error());
    }
    auto strings = SharedStrings::read(*zip, parts->sharedStrings);
    if (!strings) {
        return std::unexpected(strings.error());
    }
    const auto opened = zip->openPart(chosen->part);
    if (!opened) {
        return std::unexpected(opened.error());
    }
    if (!*opened) {
        return std::unexpected(zip->damaged(format(tr("it has no %1"), {chosen->part})));
    }
    auto state =
        std::unique_ptr<State>(new State{std::move(*zip), std::move(*chosen), std::move(*strings)});
    return std::unique_ptr<WorkbookReader>(new WorkbookReader(std::move(state)));
}

const std::string& WorkbookReader::sheetName() const {
    return state_->sheet.name;
}

Outcome<std::optional<SheetRow>> WorkbookReader::next() {
    State& state = *state_;
    while (!state.finished) {
        XmlParser::Status status = XmlParser::Status::Done;
        if (state.suspended) {
            status = state.parser.resume();
        } else {
            constexpr std::size_t piece = 1 << 16;
            const auto got = state.zip.readPart(state.parser.buffer(piece));
            if (!got) {
                return std::unexpected(got.error());
            }
            state.lastPiece = *got == 0;
            status = state.parser.parse(*got, state.lastPiece);
        }
        if (status == XmlParser::Status::Failed) {
            return std::unexpected(
                state.zip.damaged(state.sheet.part + " " + state.parser.error()));
        }
        state.suspended = status == XmlParser::Status::Suspended;
        state.finished = status == XmlParser::Status::Done && state.lastPiece;
        if (state.parser.rowReady()) {
            return state.parser.takeRow();
        }
    }
    return std::nullopt;
}

} // namespace evdrive::batch
