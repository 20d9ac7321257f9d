// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/workbook/shared_strings.h"

#include "batch/workbook/workbook_parts.h"
#include "batch/workbook/xml_parser.h"

namespace evdrive::batch {
namespace {

class SharedStringsParser : public XmlParser {
  public:
    SharedStringsParser(std::string& text, std::vector<std::size_t>& ends)
        : text_(text)
        , ends_(ends) {}

  protected:
    void start(std::string_view name, const char**) override {
        if (name == "t" && phonetic_ == 0) {
            inText_ = true;
        } else if (name == "rPh") {
            ++phonetic_;
        }
    }
    void end(std::string_view name) override {
        if (name == "t") {
            inText_ = false;
        } else if (name == "rPh") {
            --phonetic_;
        } else if (name == "si") {
            ends_.push_back(text_.size());
        }
    }
    void text(std::string_view text) override {
        if (inText_) {
            text_ += text;
        }
    }

  private:
    std::string& text_;
    std::vector<std::size_t>& ends_;
    bool inText_ = false;
    int phonetic_ = 0;
};

} // namespace

Outcome<SharedStrings> SharedStrings::read(ZipArchive& zip, const std::string& part) {
    SharedStrings strings;
    if (part.empty()) {
        return strings;
    }
    SharedStringsParser parser(strings.text_, strings.ends_);
    if (const auto parsed = parsePart(parser, zip, part); !parsed) {
        return std::unexpected(parsed.error());
    }
    strings.text_.shrink_to_fit();
    strings.ends_.shrink_to_fit();
    return strings;
}

} // namespace evdrive::batch
