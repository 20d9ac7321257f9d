// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/monkey/typed_texts.h"

#include <algorithm>

namespace evdrive::monkey {

QString& TypedTexts::of(QLineEdit* field) {
    std::erase_if(texts_, [](const auto& entry) { return entry.first.isNull(); });
    auto entry = std::ranges::find(texts_, field, [](const auto& e) { return e.first.data(); });
    if (entry == texts_.end()) {
        return texts_.emplace_back(field, QString()).second;
    }
    return entry->second;
}

QString TypedTexts::of(const QLineEdit* field) const {
    auto entry = std::ranges::find(texts_, field, [](const auto& e) { return e.first.data(); });
    return entry == texts_.end() ? QString() : entry->second;
}

} // namespace evdrive::monkey
