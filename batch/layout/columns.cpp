// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/layout/columns.h"

namespace evdrive::batch {
std::string_view inputName(std::size_t index, Naming naming) {
    return naming == Naming::Key ? drivetrainInputs[index].key : drivetrainInputs[index].caption;
}

} // namespace evdrive::batch
