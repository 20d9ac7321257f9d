// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace evdrive::batch {

// The one reading of CSV (RFC 4180) in evdrive-batch: the delimiter guess,
// the cutting of a table into blocks of whole records and the reading of
// cells all step through this machine, so that they cannot disagree. Lines
// end in LF or CRLF; a CR anywhere else is text, and so is a quote inside a
// cell that does not start with one: spreadsheets never write them, but a
// table edited by hand should not be turned away for them. Text after the
// quote that closes a cell, other than a delimiter or a line end, is
// malformed: it is a stray quote that would swallow the lines after it.
enum class CsvState : std::uint8_t {
    CellStart,     // a quote here opens a quoted cell
    Unquoted,      // a quote here is text
    Quoted,        // a line feed here is text
    QuoteInQuoted, // the quote before closes the cell, unless a second follows
    CrAfterQuote,  // a closing quote and a CR: a line feed must follow
    Malformed,
};

// What a byte is, read in a state.
enum class CsvAction : std::uint8_t {
    Text,      // of the cell
    OpenQuote, // opens a quoted cell
    Quote,     // in a quoted cell: it closes the cell, unless a second follows
    QuoteText, // the second of two quotes: a quote of the cell's text
    Cr,        // after a closing quote, the first half of a CRLF
    CellEnd,   // a delimiter
    RecordEnd, // a line feed
    Malformed, // text after a closing quote
};

struct CsvStep {
    CsvState state;
    CsvAction action;
};

constexpr CsvStep csvStep(CsvState state, char c, char delimiter) {
    using S = CsvState;
    using A = CsvAction;
    switch (state) {
    case S::CellStart:
        if (c == '"') {
            return {S::Quoted, A::OpenQuote};
        }
        [[fallthrough]];
    case S::Unquoted:
        return c == delimiter ? CsvStep{S::CellStart, A::CellEnd}
               : c == '\n'    ? CsvStep{S::CellStart, A::RecordEnd}
                              : CsvStep{S::Unquoted, A::Text};
    case S::Quoted:
        return c == '"' ? CsvStep{S::QuoteInQuoted, A::Quote} : CsvStep{S::Quoted, A::Text};
    case S::QuoteInQuoted:
        return c == '"'         ? CsvStep{S::Quoted, A::QuoteText}
               : c == delimiter ? CsvStep{S::CellStart, A::CellEnd}
               : c == '\n'      ? CsvStep{S::CellStart, A::RecordEnd}
               : c == '\r'      ? CsvStep{S::CrAfterQuote, A::Cr}
                                : CsvStep{S::Malformed, A::Malformed};
    case S::CrAfterQuote:
        return c == '\n' ? CsvStep{S::CellStart, A::RecordEnd}
                         : CsvStep{S::Malformed, A::Malformed};
    case S::Malformed:
        break;
    }
    return {S::Malformed, A::Malformed};
}

} // namespace evdrive::batch
