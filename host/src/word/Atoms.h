// The paragraphs of the main story as atoms: characters of run text, run
// objects (tabs, breaks, drawings), markers (bookmarks and other elements
// between runs) and paragraph marks, each with its position.
#pragma once

#include <vector>

#include <pugixml.hpp>

namespace hxword {

struct Atom {
    enum Kind { Text, Object, Marker, ParaEnd } kind = Text;
    char32_t ch = 0;
    pugi::xml_node run;  // the run a character or object came from (its rPr)
    pugi::xml_node node; // the object, marker, or the paragraph of a mark
    int width = 0;
    int pos = 0;
};

// Appends the atoms of paragraph p, the first at position start.
void paragraphAtoms(pugi::xml_node p, int start, std::vector<Atom>& out);
// Characters a paragraph holds before its mark.
int paragraphWidth(pugi::xml_node p);
// The document's body (w:document/w:body).
pugi::xml_node bodyOf(const pugi::xml_document& xml);
// Adds child `name` to parent before the first child named in `followers`
// (schema order), or at the end; returns the existing child when there is one.
pugi::xml_node childInOrder(pugi::xml_node parent, const char* name,
                            std::initializer_list<const char*> followers);

} // namespace hxword
