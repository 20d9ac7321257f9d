// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "batch/layout/columns.h"

#include <string>
#include <string_view>

namespace evdrive::batch {

// What a header cell or an option's NAME is. An input by its key, whatever
// its case and with blanks, '_' or '-' anywhere ("Gear ratio", "gear_ratio"),
// or by its caption with blanks around it (NBSP and the ideographic space
// too); either followed by its unit in brackets, ASCII or full-width:
// "轮胎滚动半径 (m)", "需求车速（km/h）", "motorMaxTorque [N·m]". A name that
// is none of these may yet be so close to an input's that it must be a
// mistake: within an edit or two of a key or caption (one for a caption of
// four characters or fewer), or equal to one once case, blanks and brackets
// are dropped.
struct NameReading {
    enum class Kind {
        Input,     // input names it
        Other,     // a column of the table's own
        NearInput, // close to input's name
        OtherUnit, // input with a unit that is not its own, unit
    };
    Kind kind = Kind::Other;
    InputName input{};
    std::string unit;
};

NameReading readName(std::string_view name);

// "finalDriveRatio (驱动桥速比)"
std::string describeInput(std::size_t index);

// What to say of a name that is not as it should be: "is not an input; did you
// mean finalDriveRatio (驱动桥速比)?" or "gives the unit mm where …".
std::string nameFault(const NameReading& reading);

} // namespace evdrive::batch
