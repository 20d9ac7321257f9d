// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/layout/input_names.h"

#include "batch/text/utf8.h"
#include "batch/translation.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace evdrive::batch {
namespace {

bool isBlank(char32_t c) {
    return c == U' ' || c == U'\t' || c == U'\u00A0' || c == U'\u3000';
}

std::u32string trimmed(std::u32string_view text) {
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    return std::u32string(text);
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

std::u32string keyForm(std::string_view text) {
    return keyForm(std::u32string_view(codePoints(text)));
}

bool isOpening(char32_t c) {
    return c == U'(' || c == U'（' || c == U'[' || c == U'［';
}

bool isClosing(char32_t c) {
    return c == U')' || c == U'）' || c == U']' || c == U'］';
}

bool isSlash(char32_t c) {
    return c == U'/' || c == U'／';
}

// The spellings of the catalogue's units in Chinese and in ASCII, as units
// compare.
constexpr std::array<std::pair<std::u32string_view, std::u32string_view>, 12> unitSpellings = {{
    {U"千克", U"kg"},
    {U"公斤", U"kg"},
    {U"米", U"m"},
    {U"毫米", U"mm"},
    {U"公里/小时", U"km/h"},
    {U"千米/小时", U"km/h"},
    {U"kph", U"km/h"},
    {U"kmh⁻¹", U"km/h"},
    {U"牛米", U"nm"},
    {U"百分比", U"%"},
    {U"percent", U"%"},
    {U"转/分", U"rpm"},
}};

// A unit as it is compared: lower case, full-width as ASCII, without blanks,
// brackets and the marks between "N" and "m", spelt as the catalogue spells
// it; a ratio's unit is empty or a dash.
std::u32string unitForm(std::u32string_view unit) {
    std::u32string form;
    for (const char32_t c : unit) {
        const char32_t f = folded(c);
        if (!isBlank(c) && !isOpening(f) && !isClosing(f) && f != U'·' && f != U'⋅' && f != U'•' &&
            f != U'.' && f != U'*') {
            form += f;
        }
    }
    for (const auto& [spelt, known] : unitSpellings) {
        if (form == spelt) {
            form = known;
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

// How far text is from a name, when near enough to be a mistyping of it:
// within an edit or two, one for a short name.
std::optional<std::size_t> nearness(std::u32string_view text, std::u32string_view name) {
    const std::size_t distance = editDistance(text, name);
    if (name.empty() || distance > std::min<std::size_t>(2, (name.size() - 1) / 2)) {
        return std::nullopt;
    }
    return distance;
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

// A header cell cut into its name and the unit it gives, if any.
struct NameAndUnit {
    std::u32string name;
    std::optional<std::u32string> unit;
    UnitStyle style = UnitStyle::None;
};

NameAndUnit splitUnit(std::string_view cell) {
    std::u32string text = codePoints(cell);
    // A header cell wrapped over lines, "满载总质量\n(kg)".
    std::replace_if(
        text.begin(), text.end(), [](char32_t c) { return c == U'\r' || c == U'\n'; }, U' ');
    text = trimmed(text);
    std::size_t depth = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        depth += isOpening(text[at]);
        depth -= depth > 0 && isClosing(text[at]);
        if (depth == 0 && isSlash(text[at])) {
            return {trimmed(text.substr(0, at)), trimmed(text.substr(at + 1)), UnitStyle::Slashed};
        }
    }
    if (!text.empty() && isClosing(text.back())) {
        const auto opening = std::find_if(text.rbegin(), text.rend(), isOpening);
        if (opening != text.rend()) {
            const auto open = static_cast<std::size_t>(text.rend() - opening) - 1;
            const UnitStyle style =
                folded(text[open]) == text[open] ? UnitStyle::Bracketed : UnitStyle::FullWidth;
            return {trimmed(text.substr(0, open)),
                    trimmed(text.substr(open + 1, text.size() - open - 2)), style};
        }
    }
    return {text, std::nullopt};
}

bool hasWord(std::string_view words, std::u32string_view key) {
    bool found = false;
    forEachWord(words, [&](std::string_view word) { found = found || keyForm(word) == key; });
    return found;
}

bool isAscii(std::u32string_view text) {
    return std::all_of(text.begin(), text.end(), [](char32_t c) { return c < 0x80; });
}

// The input a name is a mistyping of, the closest; nullopt for none.
std::optional<std::size_t> nearestInput(std::string_view cell, const NameAndUnit& split) {
    const std::u32string key = keyForm(split.name);
    const std::u32string bare = keyForm(withoutBrackets(trimmed(codePoints(cell))));
    std::optional<std::pair<std::size_t, std::size_t>> best; // distance, input
    const auto consider = [&](std::optional<std::size_t> distance, std::size_t index) {
        if (distance && (!best || *distance < best->first)) {
            best = {{*distance, index}};
        }
    };
    for (std::size_t index = 0; index < inputCount; ++index) {
        const auto& input = drivetrainInputs[index];
        const std::u32string inputKey = keyForm(input.key);
        const std::u32string caption = codePoints(input.caption);
        consider(nearness(key, inputKey), index);
        consider(nearness(split.name, caption), index);
        forEachWord(input.words,
                    [&](std::string_view word) { consider(nearness(key, keyForm(word)), index); });
        if (bare == inputKey || bare == keyForm(std::u32string_view(caption))) {
            consider(0, index);
        }
    }
    if (!best) {
        return std::nullopt;
    }
    return best->second;
}

} // namespace

NameReading readName(std::string_view cell) {
    const NameAndUnit split = splitUnit(cell);
    const std::u32string key = keyForm(split.name);
    NameReading reading;
    reading.unitStyle = split.style;
    if (split.unit) {
        reading.unit = utf8Of(*split.unit);
    }
    for (std::size_t index = 0; index < inputCount; ++index) {
        const auto& input = drivetrainInputs[index];
        const bool byKey = key == keyForm(input.key);
        const bool byCaption = split.name == codePoints(input.caption);
        if (!byKey && !byCaption && !hasWord(input.words, key)) {
            continue;
        }
        // Named by a word, the input is named in the word's language.
        const Naming naming =
            byKey || (!byCaption && isAscii(split.name)) ? Naming::Key : Naming::Caption;
        reading.input = {index, naming};
        reading.kind = split.unit && unitForm(*split.unit) != unitForm(codePoints(input.unit))
                           ? NameReading::Kind::OtherUnit
                           : NameReading::Kind::Input;
        return reading;
    }
    for (std::size_t result = 0; result < addedColumns.size(); ++result) {
        const AddedColumn& column = addedColumns[result];
        const bool named = key == keyForm(column.key) || split.name == codePoints(column.caption);
        if (named && (!split.unit || unitForm(*split.unit) == unitForm(codePoints(column.unit)))) {
            reading.kind = NameReading::Kind::Result;
            reading.result = result;
            return reading;
        }
    }
    for (std::size_t index = 0; index < inputCount; ++index) {
        forEachWord(drivetrainInputs[index].otherWords, [&](std::string_view entry) {
            const std::size_t english = entry.find('=');
            const std::size_t chinese = entry.find('=', english + 1);
            if (keyForm(entry.substr(0, english)) == key) {
                reading.otherQuantity = entry.substr(english + 1, chinese - english - 1);
                reading.otherQuantityChinese = entry.substr(chinese + 1);
                reading.input = {index, Naming::Key};
            }
        });
        if (!reading.otherQuantity.empty()) {
            return reading;
        }
    }
    if (const auto near = nearestInput(cell, split)) {
        reading.kind = NameReading::Kind::NearInput;
        reading.input = {*near, Naming::Key};
    }
    return reading;
}

std::string_view otherQuantity(const NameReading& reading) {
    return spokenLanguage() == Language::Chinese ? reading.otherQuantityChinese
                                                 : reading.otherQuantity;
}

std::string describeInput(std::size_t index) {
    const auto& input = drivetrainInputs[index];
    return format(tr("%1 (%2)"), {input.key, input.caption});
}

std::string nameFault(const NameReading& reading) {
    const std::string input = describeInput(reading.input.index);
    if (reading.kind == NameReading::Kind::OtherUnit) {
        const std::string_view unit = drivetrainInputs[reading.input.index].unit;
        const std::string given = reading.unit.empty() ? "-" : reading.unit;
        return unit.empty()
                   ? format(tr("gives the unit %1, but %2 is in no unit, a ratio"), {given, input})
                   : format(tr("gives the unit %1, but %2 is in %3"), {given, input, unit});
    }
    return format(tr("is not an input; did you mean %1?"), {input});
}

} // namespace evdrive::batch
