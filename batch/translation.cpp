// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/translation.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace evdrive::batch {

// The Chinese catalogue, compiled by msgfmt from po/zh_CN.po at build time.
extern const unsigned char chineseCatalogue[];
extern const std::size_t chineseCatalogueSize;

namespace {

Language spoken = Language::English;

// A catalogue as msgfmt writes it (a .mo file): its originals sorted, each
// with its translation at the same place in the second table.
class MessageCatalogue {
  public:
    MessageCatalogue(const unsigned char* data, std::size_t size)
        : data_(data)
        , size_(size) {}

    std::string_view find(std::string_view original) const {
        if (size_ < 28 || word(0) != 0x950412de) {
            return original;
        }
        std::uint32_t low = 0;
        std::uint32_t high = word(8);
        while (low < high) {
            const std::uint32_t middle = low + (high - low) / 2;
            const std::string_view candidate = string(word(12) + 8 * middle);
            if (candidate == original) {
                const std::string_view translated = string(word(16) + 8 * middle);
                return translated.empty() ? original : translated;
            }
            if (candidate < original) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        return original;
    }

  private:
    // The catalogue is written in the byte order of the machine that built it,
    // little-endian on every machine evdrive is built on.
    std::uint32_t word(std::size_t at) const {
        if (at + 4 > size_) {
            return 0;
        }
        return std::uint32_t{data_[at]} | std::uint32_t{data_[at + 1]} << 8 |
               std::uint32_t{data_[at + 2]} << 16 | std::uint32_t{data_[at + 3]} << 24;
    }

    std::string_view string(std::size_t entry) const {
        const std::uint32_t length = word(entry);
        const std::uint32_t offset = word(entry + 4);
        if (std::size_t{offset} + length > size_) {
            return {};
        }
        return {reinterpret_cast<const char*>(data_) + offset, length};
    }

    const unsigned char* data_;
    std::size_t size_;
};

#ifndef _WIN32
bool isChinese(std::string_view name) {
    return name.starts_with("zh");
}

std::string_view variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}
#endif

} // namespace

Language userLanguage() {
#ifdef _WIN32
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_CHINESE ? Language::Chinese
                                                                     : Language::English;
#else
    std::string_view locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (locale.empty()) {
            locale = variable(name);
        }
    }
    if (locale.empty() || locale == "C" || locale.starts_with("C.") || locale == "POSIX") {
        return Language::English;
    }
    const std::string_view languages = variable("LANGUAGE");
    return isChinese(languages.empty() ? locale : languages) ? Language::Chinese
                                                             : Language::English;
#endif
}

void speak(Language language) {
    spoken = language;
}

Language spokenLanguage() {
    return spoken;
}

std::string_view tr(std::string_view english) {
    if (spoken == Language::English) {
        return english;
    }
    static const MessageCatalogue chinese(chineseCatalogue, chineseCatalogueSize);
    return chinese.find(english);
}

std::string_view errorText(int error) {
    switch (error) {
    case ENOENT:
        return tr("No such file or directory");
    case EACCES:
        return tr("Permission denied");
    case EISDIR:
        return tr("Is a directory");
    case ENOTDIR:
        return tr("Not a directory");
    case ENOSPC:
        return tr("No space left on device");
    case EIO:
        return tr("Input/output error");
    case EPIPE:
        return tr("Broken pipe");
    case EROFS:
        return tr("Read-only file system");
    case EFBIG:
        return tr("File too large");
    case EMFILE:
        return tr("Too many open files");
    case ENAMETOOLONG:
        return tr("File name too long");
    default:
        return std::strerror(error);
    }
}

std::string format(std::string_view pattern, std::initializer_list<std::string_view> arguments) {
    std::string text;
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char next = at + 1 < pattern.size() ? pattern[at + 1] : '\0';
        const std::size_t argument = static_cast<std::size_t>(next - '1');
        if (pattern[at] == '%' && next >= '1' && next <= '9' && argument < arguments.size()) {
            text += arguments.begin()[argument];
            ++at;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

} // namespace evdrive::batch
