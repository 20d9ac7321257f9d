// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace evdrive::batch {

// The language evdrive-batch speaks to its user in: its help, messages and
// summary. Tables keep their own language.
enum class Language { English, Chinese };

// Simplified Chinese where the user's language is Chinese, English otherwise:
// on Windows the user's language of the interface; elsewhere, as gettext
// decides, LANGUAGE unless the locale is C, else LC_ALL, LC_MESSAGES, LANG.
Language userLanguage();

// Speaks language from here on; set once, before any thread starts.
void speak(Language language);
Language spokenLanguage();

// Marks a text for the catalogue, whose translation tr() finds where it is used.
constexpr std::string_view translatable(std::string_view english) {
    return english;
}

// A message in the language spoken: the English text itself, or its
// translation from the catalogue built into the program (po/zh_CN.po).
std::string_view tr(std::string_view english);

// What the system says of an error number, in the language spoken: in words
// of evdrive-batch's own for the errors a table's file meets, so that every
// system says them alike.
std::string_view errorText(int error);

// The pattern with %1, %2 … replaced by the arguments, as a translation may
// put them in another order.
std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments);

} // namespace evdrive::batch
