// SPDX-FileCopyrightText: 2026 evdrive developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <expat.h>
#include <span>
#include <string>
#include <string_view>

namespace evdrive::batch {

// A streaming XML parser that hands its handler the local names of elements
// and attributes, whatever prefix a writer gave them ("x:row" is a row). A
// handler may suspend the parser and resume it later.
class XmlParser {
  public:
    XmlParser();
    XmlParser(const XmlParser&) = delete;
    XmlParser& operator=(const XmlParser&) = delete;
    virtual ~XmlParser();

    enum class Status { Done, Suspended, Failed };

    // Room for the next piece of the document, filled by the caller and then
    // parsed by parse(); size is the room asked for.
    std::span<char> buffer(std::size_t size);
    Status parse(std::size_t length, bool last);
    Status resume();

    // Where and why the document is not well-formed: "line 3: not well-formed (invalid token)".
    std::string error() const;

  protected:
    // The value of the attribute with this local name, or null; prefixed:
    // only one with a prefix ("r:id" but not "id").
    static const char* attribute(const char** attributes, std::string_view localName,
                                 bool prefixed = false);

    void suspend();
    // Stops with an error of the handler's own; error() gives what.
    void fail(std::string what);

    virtual void start(std::string_view name, const char** attributes) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view text) = 0;

  private:
    static std::string_view localName(const char* name);
    static Status status(XML_Status status);

    XML_Parser parser_;
    std::string handlerError_;
};

} // namespace evdrive::batch
