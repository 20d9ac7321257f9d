// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/layout/columns.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace evdrive::batch {

// How a header cell gives a unit, for the result columns to follow suit.
enum class UnitStyle {
    None,      // no unit given
    Bracketed, // "轮胎滚动半径 (m)"
    FullWidth, // "轮胎滚动半径（m）"
    Slashed,   // "轮胎滚动半径/m", quantity and unit as standards write them
};

// What a header cell or an option's NAME is. An input by its key, whatever
// its case and with blanks, '_' or '-' anywhere ("Gear ratio", "gear_ratio"),
// by its caption with blanks around it (NBSP and the ideographic space too),
// or by one of the words engineers use for it (the catalogue's words, as a
// key is compared); a line break in the cell counts as a blank. Any of them may
// carry its unit in brackets, ASCII or full-width, or after a slash:
// "轮胎滚动半径 (m)", "需求车速（km/h）", "motorMaxTorque [N·m]", "轮胎滚动半径/m",
// "需求车速 / km·h⁻¹"; units compare as written in ASCII or in Chinese (千克
// is kg). A result column is named likewise by its key or caption, as a run
// writes it. A name that is none of these may yet be so close to an input's
// that it must be a mistake: within an edit or two of a key, caption or word
// (one for a name of four characters or fewer), or equal to one once case,
// blanks and brackets are dropped. A word for another quantity is a column of
// the table's own, with what it is.
struct NameReading {
    enum class Kind {
        Input,     // input names it
        Result,    // the added column result names it
        Other,     // a column of the table's own
        NearInput, // close to input's name
        OtherUnit, // input with a unit that is not its own, unit
    };
    Kind kind = Kind::Other;
    InputName input{};      // and of a word for another quantity, the input it is not
    std::size_t result = 0; // in addedColumns
    std::string unit;       // as given
    UnitStyle unitStyle = UnitStyle::None;
    std::string_view otherQuantity; // of a word for another quantity, what it is
    std::string_view otherQuantityChinese;
};

NameReading readName(std::string_view name);

// Of a word for another quantity, what it is, in the language spoken.
std::string_view otherQuantity(const NameReading& reading);

// "finalDriveRatio (驱动桥速比)"
std::string describeInput(std::size_t index);

// What to say of a name that is not as it should be: "is not an input; did you
// mean finalDriveRatio (驱动桥速比)?" or "gives the unit mm where …".
std::string nameFault(const NameReading& reading);

// Each of the catalogue's words, in turn.
template <class Visit>
void forEachWord(std::string_view words, Visit visit) {
    while (!words.empty()) {
        const std::size_t end = words.find('|');
        visit(words.substr(0, end));
        words = end == std::string_view::npos ? std::string_view() : words.substr(end + 1);
    }
}

} // namespace evdrive::batch
