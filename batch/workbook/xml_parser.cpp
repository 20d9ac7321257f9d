// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch/workbook/xml_parser.h"

#include "batch/integer_text.h"
#include "batch/problem.h"
#include "batch/translation.h"

#include <cstring>
#include <new>

namespace evdrive::batch {
namespace {

// Names as written, "x:row": expat's namespace processing would spell out
// each element's URI, which costs a third of the time of reading a sheet, and
// no two namespaces of the formats read have elements of the same name that
// matter here.
constexpr char prefixSeparator = ':';

} // namespace

XmlParser::XmlParser()
    : parser_(XML_ParserCreate(nullptr)) {
    if (parser_ == nullptr) {
        throw std::bad_alloc();
    }
    XML_SetUserData(parser_, this);
    XML_SetElementHandler(
        parser_,
        [](void* self, const XML_Char* name, const XML_Char** attributes) {
            static_cast<XmlParser*>(self)->start(localName(name), attributes);
        },
        [](void* self, const XML_Char* name) {
            static_cast<XmlParser*>(self)->end(localName(name));
        });
    XML_SetCharacterDataHandler(parser_, [](void* self, const XML_Char* text, int length) {
        static_cast<XmlParser*>(self)->text({text, static_cast<std::size_t>(length)});
    });
}

XmlParser::~XmlParser() {
    XML_ParserFree(parser_);
}

std::span<char> XmlParser::buffer(std::size_t size) {
    // Expat has no room to give before any is asked for.
    if (size == 0) {
        return {};
    }
    void* room = XML_GetBuffer(parser_, static_cast<int>(size));
    if (room == nullptr) {
        throw std::bad_alloc();
    }
    return {static_cast<char*>(room), size};
}

XmlParser::Status XmlParser::parse(std::size_t length, bool last) {
    return status(XML_ParseBuffer(parser_, static_cast<int>(length), last ? XML_TRUE : XML_FALSE));
}

XmlParser::Status XmlParser::resume() {
    return status(XML_ResumeParser(parser_));
}

XmlParser::Status XmlParser::status(XML_Status status) {
    switch (status) {
    case XML_STATUS_OK:
        return Status::Done;
    case XML_STATUS_SUSPENDED:
        return Status::Suspended;
    case XML_STATUS_ERROR:
        break;
    }
    return Status::Failed;
}

std::string XmlParser::error() const {
    const std::string line = integerText(XML_GetCurrentLineNumber(parser_));
    if (!handlerError_.empty()) {
        return format(tr("line %1: %2"), {line, handlerError_});
    }
    return format(tr("line %1: %2"), {line, XML_ErrorString(XML_GetErrorCode(parser_))});
}

const char* XmlParser::attribute(const char** attributes, std::string_view name, bool prefixed) {
    for (; *attributes != nullptr; attributes += 2) {
        const std::string_view local = localName(*attributes);
        if (local == name && (!prefixed || local.data() != *attributes)) {
            return attributes[1];
        }
    }
    return nullptr;
}

void XmlParser::suspend() {
    XML_StopParser(parser_, XML_TRUE);
}

void XmlParser::fail(std::string what) {
    if (handlerError_.empty()) {
        handlerError_ = std::move(what);
        XML_StopParser(parser_, XML_FALSE);
    }
}

std::string_view XmlParser::localName(const char* name) {
    const char* mark = std::strrchr(name, prefixSeparator);
    return mark != nullptr ? mark + 1 : name;
}

} // namespace evdrive::batch
