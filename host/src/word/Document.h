// One Word document: its package and its main part, and the edits Word's
// object model makes, in character positions of the main story.
//
// Positions count the characters of the main story in document order: each
// character of run text, each tab, break, drawing or symbol counts one, each
// paragraph mark counts one, and each table row's end mark counts one after
// its cells. Bookmarks and other markers take no room. Ranges are [start, end).
// The parts use the "w:" prefix for WordprocessingML, as every writer does.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "Package.h"

namespace hxword {

struct Span {
    pugi::xml_node para;
    int start = 0;
    int length = 0; // characters before the paragraph mark
};

struct BookmarkInfo {
    std::string name;
    std::string id;
    int start = 0;
    int end = 0;
};

class Document {
public:
    // A new document based on the template (.dotx, .docx, or their macro
    // forms): every part kept, the main part's content type made a
    // document's unless asTemplate. Throws WordError when the file is missing
    // or is not a readable Word package.
    static std::unique_ptr<Document> fromTemplate(const std::string& path, bool asTemplate);
    // Writes the package to path (a temporary file, then a rename). Throws
    // WordError for the template's own path or when the write fails.
    void saveAs(const std::string& path);

    // The paragraphs with their positions, kept between edits.
    const std::vector<Span>& spans() const;
    // Every bookmark, in document order of its start.
    std::vector<BookmarkInfo> bookmarks() const;
    int storyEnd() const;
    std::u32string text(int start, int end) const;

    // Replaces [start, end) by text ('\r' or '\n' ends a paragraph) and
    // returns the end of the new text. Bookmarks wholly inside a non-empty
    // range go; bookmarks reaching into it keep their outside end. Throws
    // WordError when the range crosses a table or cell boundary.
    int replace(int start, int end, const std::u32string& text);
    // Inserts a table of rows x cols at [start, end) (its content deleted
    // first) and returns its node. Throws WordError for counts out of range.
    pugi::xml_node addTable(int start, int end, int rows, int cols);
    // 0 left, 1 centre, 2 right, 3 justified, for every paragraph in range.
    void setAlignment(int start, int end, int alignment);
    int alignment(int start, int end) const;
    // The tables of the body, in document order (nested ones not counted).
    std::vector<pugi::xml_node> tables() const;
    // The range of the paragraphs inside node (a table or a cell).
    std::pair<int, int> nodeRange(pugi::xml_node node) const;

private:
    bool load(std::string* error);
    // Forgets the kept positions (after a change of the document's shape).
    void invalidate() { m_spansValid = false; }
    // Puts the rebuilt paragraphs in place of spans i..j of the kept positions.
    void patchSpans(size_t i, size_t j, const std::vector<pugi::xml_node>& created);

    Package m_package;
    std::string m_mainPart;
    std::string m_templatePath;
    pugi::xml_document m_xml;
    mutable std::vector<Span> m_spans;
    mutable bool m_spansValid = false;
};

} // namespace hxword
