#pragma once

#include "tests/monkey/typed_texts.h"

#include <QString>

#include <optional>

namespace evdrive::monkey {

// The first rule of the windows that their present state breaks, described for
// the log, or nothing when all hold: fields hold what was typed, results are
// empty or numbers, one tire window at most, one message box at most.
std::optional<QString> brokenRule(const TypedTexts& typed);

} // namespace evdrive::monkey
