// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/drivetrain.h"
#include "ui/form_description.h"

namespace evdrive {

// The calculator window's layout: its fields in the order of the drive
// calculation's inputs, and its results in the order of its results.
extern const FormDescription<DrivetrainInputs> mainFormDescription;

} // namespace evdrive
