// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace evdrive::fuzz {

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Cuts the input at ';' into exactly count texts; missing ones are empty.
inline std::vector<std::string> cutFields(std::string_view input, std::size_t count) {
    std::vector<std::string> fields(count);
    for (std::size_t i = 0; i < count && !input.empty(); ++i) {
        const auto end = input.find(';');
        fields[i] = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    }
    return fields;
}

// A broken property is a finding just like a crash.
inline void require(bool holds, const char* property) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", property);
        std::abort();
    }
}

} // namespace evdrive::fuzz
