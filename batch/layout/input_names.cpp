// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/layout/input_names.h"

#include "batch/text/utf8.h"

#include <algorithm>
#include <array>
#include <vector>

namespace evdrive::batch {
namespace {

bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\u00A0' || c == U'\u3000';
}

std::u32string trimmed(std::u32string text) {
    while (!text.empty() && isBlank(text.back())) {
        text.pop_back();
    }
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    return {first, text.end()};
}

// Full-width forms of ASCII as ASCII, lower case.
char32_t folded(char32_t c) {
    if (c >= U'\uFF01' && c <= U'\uFF5E') {
        c = c - U'\uFF01' + U'!';
    }
    return c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
}

// A key as it is compared: lower case, without blanks, '_' and '-'.
std::u32string keyForm(std::u32string_view text) {
    std::u32string form;
    for (const char32_t c : text) {
        if (!isBlank(c) && c != U'_' && c != U'-') {
            form += folded(c);
        }
    }
    return form;
}

bool isOpening(char32_t c) {
    return c == U'(' || c == U'（' || c == U'[' || c == U'［';
}

bool isClosing(char32_t c) {
    return c == U')' || c == U'）' || c == U']' || c == U'］';
}

// A unit as it is compared: lower case, full-width as ASCII, without blanks
// and the marks between "N" and "m"; a ratio's unit is empty or a dash.
std::u32string unitForm(std::u32string_view unit) {
    std::u32string form;
    for (const char32_t c : unit) {
        const char32_t f = folded(c);
        if (!isBlank(c) && f != U'·' && f != U'⋅' && f != U'•' && f != U'.' && f != U'*') {
            form += f;
        }
    }
    if (form == U"-" || form == U"—" || form == U"–" || form == U"1") {
        form.clear();
    }
    return form;
}

std::size_t editDistance(std::u32string_view a, std::u32string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) {
        row[j] = j;
    }
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// Within an edit or two of a name, one for a short one.
bool near(std::u32string_view text, std::u32string_view name) {
    return editDistance(text, name) <= std::min<std::size_t>(2, (name.size() - 1) / 2);
}

std::u32string withoutBrackets(std::u32string_view text) {
    std::u32string plain;
    for (const char32_t c : text) {
        if (!isOpening(c) && !isClosing(c)) {
            plain += c;
        }
    }
    return plain;
}

} // namespace

NameReading readName(std::string_view name) {
    std::u32string text = trimmed(codePoints(name));
    // The unit in brackets at the end, if any.
    std::optional<std::u32string> unit;
    if (!text.empty() && isClosing(text.back())) {
        const auto opening = std::find_if(text.rbegin(), text.rend(), isOpening);
        if (opening != text.rend()) {
            const auto open = static_cast<std::size_t>(text.rend() - opening) - 1;
            unit = trimmed(text.substr(open + 1, text.size() - open - 2));
            text = trimmed(text.substr(0, open));
        }
    }
    const std::u32string key = keyForm(text);
    for (std::size_t index = 0; index < inputCount; ++index) {
        const auto& input = drivetrainInputs[index];
        const bool byKey = key == keyForm(codePoints(input.key));
        if (!byKey && text != codePoints(input.caption)) {
            continue;
        }
        const InputName found{index, byKey ? Naming::Key : Naming::Caption};
        if (unit && unitForm(*unit) != unitForm(codePoints(input.unit))) {
            return {NameReading::Kind::OtherUnit, found, utf8Of(*unit)};
        }
        return {NameReading::Kind::Input, found, {}};
    }
    const std::u32string whole = trimmed(codePoints(name));
    const std::u32string bare = keyForm(withoutBrackets(whole));
    for (std::size_t index = 0; index < inputCount; ++index) {
        const auto& input = drivetrainInputs[index];
        const std::u32string inputKey = keyForm(codePoints(input.key));
        const std::u32string caption = codePoints(input.caption);
        if (near(key, inputKey) || near(text, caption) || bare == inputKey ||
            bare == keyForm(caption)) {
            return {NameReading::Kind::NearInput, {index, Naming::Key}, {}};
        }
    }
    return {};
}

std::string describeInput(std::size_t index) {
    const auto& input = drivetrainInputs[index];
    return std::string(input.key) + " (" + std::string(input.caption) + ")";
}

std::string nameFault(const NameReading& reading) {
    if (reading.kind == NameReading::Kind::OtherUnit) {
        const auto& input = drivetrainInputs[reading.input.index];
        return "gives the unit " + (reading.unit.empty() ? std::string("-") : reading.unit) +
               ", but " + describeInput(reading.input.index) + " is in " +
               (input.unit.empty() ? std::string("no unit, a ratio") : std::string(input.unit));
    }
    return "is not an input; did you mean " + describeInput(reading.input.index) + "?";
}

} // namespace evdrive::batch
