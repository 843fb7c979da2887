// Positions of the main story: paragraphs, atoms, bookmarks and text.
#include "Atoms.h"
#include "Document.h"
#include "Utf.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace hxword {
namespace {

bool is(pugi::xml_node n, const char* name) {
    return std::strcmp(n.name(), name) == 0;
}

// Run children that take one position besides text.
bool isWideObject(pugi::xml_node n) {
    for (const char* name : {"w:tab", "w:br", "w:cr", "w:drawing", "w:pict", "w:object", "w:sym",
                             "w:noBreakHyphen", "w:softHyphen", "w:ptab"})
        if (is(n, name))
            return true;
    return false;
}

void runAtoms(pugi::xml_node r, int& pos, std::vector<Atom>& out) {
    for (pugi::xml_node c : r.children()) {
        if (is(c, "w:rPr"))
            continue;
        if (is(c, "w:t")) {
            for (char32_t ch : toU32(c.text().get())) {
                Atom a{Atom::Text, ch, r, {}, 1, pos++};
                out.push_back(a);
            }
            continue;
        }
        Atom a{Atom::Object, 0, r, c, isWideObject(c) ? 1 : 0, pos};
        pos += a.width;
        out.push_back(a);
    }
}

// Characters inside a marker element (a hyperlink's text, for example).
int markerWidth(pugi::xml_node n) {
    if (is(n, "w:bookmarkStart") || is(n, "w:bookmarkEnd"))
        return 0;
    int width = 0;
    for (pugi::xpath_node x : n.select_nodes(".//w:r")) {
        std::vector<Atom> atoms;
        int pos = 0;
        runAtoms(x.node(), pos, atoms);
        width += pos;
    }
    return width;
}

struct Walk {
    std::vector<Span> spans;
    std::vector<std::pair<pugi::xml_node, int>> loose; // bookmarks between blocks
    int pos = 0;
};

void walkBlocks(pugi::xml_node parent, Walk& w) {
    for (pugi::xml_node child : parent.children()) {
        if (is(child, "w:p")) {
            int length = paragraphWidth(child);
            w.spans.push_back({child, w.pos, length});
            w.pos += length + 1;
        } else if (is(child, "w:tbl")) {
            for (pugi::xml_node tr : child.children("w:tr")) {
                for (pugi::xml_node tc : tr.children("w:tc"))
                    walkBlocks(tc, w);
                w.pos += 1;
            }
        } else if (is(child, "w:sdt")) {
            walkBlocks(child.child("w:sdtContent"), w);
        } else if (is(child, "w:bookmarkStart") || is(child, "w:bookmarkEnd")) {
            w.loose.emplace_back(child, w.pos);
        }
    }
}

Walk walkBody(const pugi::xml_document& xml) {
    Walk w;
    walkBlocks(bodyOf(xml), w);
    return w;
}

} // namespace

pugi::xml_node bodyOf(const pugi::xml_document& xml) {
    return xml.child("w:document").child("w:body");
}

void paragraphAtoms(pugi::xml_node p, int start, std::vector<Atom>& out) {
    int pos = start;
    for (pugi::xml_node child : p.children()) {
        if (is(child, "w:pPr"))
            continue;
        if (is(child, "w:r")) {
            runAtoms(child, pos, out);
            continue;
        }
        Atom a{Atom::Marker, 0, {}, child, markerWidth(child), pos};
        pos += a.width;
        out.push_back(a);
    }
}

int paragraphWidth(pugi::xml_node p) {
    std::vector<Atom> atoms;
    paragraphAtoms(p, 0, atoms);
    int width = 0;
    for (const Atom& a : atoms)
        width += a.width;
    return width;
}

pugi::xml_node childInOrder(pugi::xml_node parent, const char* name,
                            std::initializer_list<const char*> followers) {
    if (pugi::xml_node existing = parent.child(name))
        return existing;
    for (pugi::xml_node c : parent.children())
        for (const char* f : followers)
            if (is(c, f))
                return parent.insert_child_before(name, c);
    return parent.append_child(name);
}

const std::vector<Span>& Document::spans() const {
    if (!m_spansValid) {
        m_spans = walkBody(m_xml).spans;
        m_spansValid = true;
    }
    return m_spans;
}

void Document::patchSpans(size_t i, size_t j, const std::vector<pugi::xml_node>& created) {
    std::vector<Span> fresh;
    int pos = m_spans[i].start;
    for (pugi::xml_node p : created) {
        const int length = paragraphWidth(p);
        fresh.push_back({p, pos, length});
        pos += length + 1;
    }
    const int delta = pos - (m_spans[j].start + m_spans[j].length + 1);
    m_spans.erase(m_spans.begin() + long(i), m_spans.begin() + long(j) + 1);
    m_spans.insert(m_spans.begin() + long(i), fresh.begin(), fresh.end());
    for (size_t k = i + fresh.size(); k < m_spans.size(); ++k)
        m_spans[k].start += delta;
}

int Document::storyEnd() const {
    Walk w = walkBody(m_xml);
    return w.pos > 0 ? w.pos - 1 : 0;
}

std::vector<BookmarkInfo> Document::bookmarks() const {
    Walk w = walkBody(m_xml);
    std::vector<std::pair<pugi::xml_node, int>> marks = w.loose;
    for (const Span& s : w.spans) {
        std::vector<Atom> atoms;
        paragraphAtoms(s.para, s.start, atoms);
        for (const Atom& a : atoms)
            if (a.kind == Atom::Marker)
                marks.emplace_back(a.node, a.pos);
    }
    std::vector<BookmarkInfo> found;
    std::map<std::string, int> ends;
    for (const auto& [node, pos] : marks) {
        if (is(node, "w:bookmarkStart"))
            found.push_back(
                {node.attribute("w:name").value(), node.attribute("w:id").value(), pos, pos});
        else if (is(node, "w:bookmarkEnd"))
            ends[node.attribute("w:id").value()] = pos;
    }
    for (BookmarkInfo& b : found) {
        auto it = ends.find(b.id);
        b.end = it != ends.end() ? std::max(it->second, b.start) : b.start;
    }
    std::stable_sort(found.begin(), found.end(), [](const BookmarkInfo& a, const BookmarkInfo& b) {
        return a.start < b.start;
    });
    return found;
}

std::u32string Document::text(int start, int end) const {
    std::u32string out;
    Walk w = walkBody(m_xml);
    for (const Span& s : w.spans) {
        if (s.start + s.length < start || s.start >= end)
            continue;
        std::vector<Atom> atoms;
        paragraphAtoms(s.para, s.start, atoms);
        for (const Atom& a : atoms)
            if (a.kind == Atom::Text && a.pos >= start && a.pos < end)
                out += a.ch;
        const int mark = s.start + s.length;
        if (mark >= start && mark < end)
            out += U'\r';
    }
    return out;
}

} // namespace hxword
