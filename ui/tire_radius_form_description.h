// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/tire_radius.h"
#include "ui/form_description.h"

namespace evdrive {

// The tire window's layout: the three parts of a tire size in their
// catalogue's order, and the radius.
extern const FormDescription<TireDesignation> tireRadiusFormDescription;

} // namespace evdrive
