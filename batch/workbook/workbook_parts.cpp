// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/workbook/workbook_parts.h"

#include "batch/integer_text.h"
#include "batch/translation.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace evdrive::batch {
namespace {

struct Relationship {
    std::string id;
    std::string type;
    std::string target;
};

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

class RelationshipsParser : public XmlParser {
  public:
    std::vector<Relationship> relationships;

  protected:
    void start(std::string_view name, const char** attributes) override {
        if (name != "Relationship") {
            return;
        }
        const char* mode = attribute(attributes, "TargetMode");
        const char* id = attribute(attributes, "Id");
        const char* type = attribute(attributes, "Type");
        const char* target = attribute(attributes, "Target");
        if ((mode == nullptr || std::strcmp(mode, "External") != 0) && id != nullptr &&
            type != nullptr && target != nullptr) {
            relationships.push_back({id, type, target});
        }
    }
    void end(std::string_view) override {}
    void text(std::string_view) override {}
};

struct ListedSheet {
    std::string name;
    std::string relationship;
};

class SheetListParser : public XmlParser {
  public:
    std::vector<ListedSheet> sheets;

  protected:
    void start(std::string_view name, const char** attributes) override {
        if (name != "sheet") {
            return;
        }
        // The relationship's id is "r:id", whatever the prefix.
        const char* sheetName = attribute(attributes, "name");
        const char* id = attribute(attributes, "id", true);
        if (sheetName != nullptr && id != nullptr) {
            sheets.push_back({sheetName, id});
        }
    }
    void end(std::string_view) override {}
    void text(std::string_view) override {}
};

// The relationships of a part, from its .rels part beside it; none without one.
Outcome<std::vector<Relationship>> relationshipsOf(ZipArchive& zip, std::string_view part) {
    const std::size_t slash = part.rfind('/');
    const std::string folder(slash == std::string_view::npos ? "" : part.substr(0, slash + 1));
    const std::string file(slash == std::string_view::npos ? part : part.substr(slash + 1));
    RelationshipsParser parser;
    if (const auto parsed = parsePart(parser, zip, folder + "_rels/" + file + ".rels"); !parsed) {
        return std::unexpected(parsed.error());
    }
    return std::move(parser.relationships);
}

std::string sheetList(const WorkbookParts& parts) {
    std::string list;
    for (std::size_t index = 0; index < parts.sheets.size(); ++index) {
        list += (index == 0 ? "" : ", ") + integerText(index + 1) + " '" +
                parts.sheets[index].name + "'";
    }
    return list;
}

} // namespace

std::string resolvePart(std::string_view source, std::string_view target) {
    std::string path;
    if (target.starts_with('/')) {
        target.remove_prefix(1);
    } else if (const std::size_t slash = source.rfind('/'); slash != std::string_view::npos) {
        path = source.substr(0, slash + 1);
    }
    path += target;
    // "xl/worksheets/../sharedStrings.xml" is "xl/sharedStrings.xml".
    std::vector<std::string> segments;
    std::size_t from = 0;
    while (from <= path.size()) {
        const std::size_t to = std::min(path.find('/', from), path.size());
        const std::string segment = path.substr(from, to - from);
        if (segment == "..") {
            if (!segments.empty()) {
                segments.pop_back();
            }
        } else if (!segment.empty() && segment != ".") {
            segments.push_back(segment);
        }
        from = to + 1;
    }
    std::string resolved;
    for (const auto& segment : segments) {
        resolved += (resolved.empty() ? "" : "/") + segment;
    }
    return resolved;
}

Outcome<bool> parsePart(XmlParser& parser, ZipArchive& zip, const std::string& part) {
    const auto opened = zip.openPart(part);
    if (!opened || !*opened) {
        return opened;
    }
    for (;;) {
        constexpr std::size_t piece = 1 << 16;
        const auto got = zip.readPart(parser.buffer(piece));
        if (!got) {
            return std::unexpected(got.error());
        }
        if (parser.parse(*got, *got == 0) == XmlParser::Status::Failed) {
            return std::unexpected(zip.damaged(part + " " + parser.error()));
        }
        if (*got == 0) {
            return true;
        }
    }
}

Outcome<WorkbookParts> readWorkbookParts(ZipArchive& zip) {
    const auto packageRelationships = relationshipsOf(zip, "");
    if (!packageRelationships) {
        return std::unexpected(packageRelationships.error());
    }
    std::string workbookPart = "xl/workbook.xml";
    for (const auto& relationship : *packageRelationships) {
        if (endsWith(relationship.type, "/officeDocument")) {
            workbookPart = resolvePart("", relationship.target);
        }
    }
    SheetListParser sheetList;
    const auto parsed = parsePart(sheetList, zip, workbookPart);
    if (!parsed) {
        return std::unexpected(parsed.error());
    }
    if (!*parsed) {
        return std::unexpected(zip.damaged(format(tr("it has no %1"), {workbookPart})));
    }
    const auto relationships = relationshipsOf(zip, workbookPart);
    if (!relationships) {
        return std::unexpected(relationships.error());
    }

    WorkbookParts parts;
    for (const auto& relationship : *relationships) {
        if (endsWith(relationship.type, "/sharedStrings")) {
            parts.sharedStrings = resolvePart(workbookPart, relationship.target);
        }
    }
    for (const auto& listed : sheetList.sheets) {
        const auto found =
            std::ranges::find(*relationships, listed.relationship, &Relationship::id);
        if (found == relationships->end()) {
            return std::unexpected(
                zip.damaged(format(tr("sheet '%1' has no part in the workbook"), {listed.name})));
        }
        parts.sheets.push_back({listed.name, resolvePart(workbookPart, found->target),
                                endsWith(found->type, "/worksheet")});
    }
    return parts;
}

Outcome<SheetEntry> chooseSheet(const WorkbookParts& parts,
                                const std::optional<std::string>& choice,
                                const std::string& workbookName) {
    const SheetEntry* chosen = nullptr;
    if (!choice) {
        const auto first = std::ranges::find_if(parts.sheets, &SheetEntry::worksheet);
        if (first == parts.sheets.end()) {
            return problem(ExitStatus::BadInput, workbookName,
                           std::string(tr("the workbook has no worksheet")));
        }
        chosen = &*first;
    } else if (const auto named = std::ranges::find(parts.sheets, *choice, &SheetEntry::name);
               named != parts.sheets.end()) {
        chosen = &*named;
    } else {
        std::size_t number = 0;
        const char* end = choice->data() + choice->size();
        const auto read = std::from_chars(choice->data(), end, number);
        if (read.ec != std::errc() || read.ptr != end || number == 0 ||
            number > parts.sheets.size()) {
            return problem(ExitStatus::BadInput, workbookName,
                           format(tr("no sheet '%1' in the workbook; its sheets: %2"),
                                  {*choice, sheetList(parts)}));
        }
        chosen = &parts.sheets[number - 1];
    }
    if (!chosen->worksheet) {
        return problem(ExitStatus::BadInput, workbookName,
                       format(tr("sheet '%1' holds a chart, not a table; its sheets: %2"),
                              {chosen->name, sheetList(parts)}));
    }
    return *chosen;
}

} // namespace evdrive::batch
