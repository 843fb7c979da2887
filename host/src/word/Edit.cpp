// Replacing a range of the main story by text, as Word's Range.Text and
// Selection.Text do: the touched paragraphs are rebuilt from their atoms.
#include "Atoms.h"
#include "Document.h"
#include "Utf.h"
#include "WordError.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace hxword {
namespace {

bool is(pugi::xml_node n, const char* name) {
    return std::strcmp(n.name(), name) == 0;
}

struct Extent {
    int start = 0, end = 0;
};

// Where the zero-width markers inside [s, e] go: dropped, before the new
// text or after it.
enum class Place { Drop, Before, After };

Place placeMarker(const Atom& a, int s, int e, const std::map<std::string, Extent>& marks) {
    const bool bookmark = is(a.node, "w:bookmarkStart") || is(a.node, "w:bookmarkEnd");
    if (!bookmark)
        return s == e || a.pos == s ? Place::Before : a.pos == e ? Place::After : Place::Drop;
    auto it = marks.find(a.node.attribute("w:id").value());
    Extent b = it != marks.end() ? it->second : Extent{a.pos, a.pos};
    if (s < e && s <= b.start && b.end <= e)
        return Place::Drop; // wholly replaced: Word deletes the bookmark
    if (is(a.node, "w:bookmarkStart"))
        return b.end > e || s == e ? Place::Before : Place::After;
    return b.start < s ? Place::After : Place::Before;
}

// The run whose formatting new text takes: the first replaced character's,
// else the character before, else the one after.
pugi::xml_node formatRun(const std::vector<Atom>& atoms, int s, int e) {
    pugi::xml_node before, after;
    for (const Atom& a : atoms) {
        if (a.kind != Atom::Text && a.kind != Atom::Object)
            continue;
        if (s < e && a.pos == s && a.width > 0)
            return a.run;
        if (a.pos < s)
            before = a.run;
        else if (!after)
            after = a.run;
    }
    return before ? before : after;
}

class ParagraphWriter {
public:
    explicit ParagraphWriter(pugi::xml_node p) : m_p(p) {}
    ~ParagraphWriter() { flush(); }

    void add(const Atom& a) {
        if (a.kind == Atom::Marker) {
            closeRun();
            m_p.append_copy(a.node);
            return;
        }
        if (!m_run || m_source != a.run)
            openRun(a.run);
        if (a.kind == Atom::Object) {
            flush();
            m_run.append_copy(a.node);
        } else if (a.ch == U'\t' || a.ch == U'\v') {
            flush();
            m_run.append_child(a.ch == U'\t' ? "w:tab" : "w:br");
        } else {
            m_text += a.ch;
        }
    }

private:
    void openRun(pugi::xml_node source) {
        closeRun();
        m_run = m_p.append_child("w:r");
        m_source = source;
        if (pugi::xml_node rPr = source.child("w:rPr"))
            m_run.append_copy(rPr);
    }
    void closeRun() {
        flush();
        m_run = pugi::xml_node();
        m_source = pugi::xml_node();
    }
    void flush() {
        if (m_text.empty() || !m_run)
            return;
        pugi::xml_node t = m_run.append_child("w:t");
        t.append_attribute("xml:space") = "preserve";
        t.text().set(toUtf8(m_text).c_str());
        m_text.clear();
    }

    pugi::xml_node m_p, m_run, m_source;
    std::u32string m_text;
};

// Writes the atoms as paragraphs before `anchor`, a new paragraph after each
// paragraph mark; each takes the properties of the paragraph its mark came
// from, the last those of `last`.
std::vector<pugi::xml_node> writeParagraphs(const std::vector<Atom>& atoms, pugi::xml_node anchor,
                                            pugi::xml_node last) {
    std::vector<pugi::xml_node> created;
    pugi::xml_node parent = anchor.parent();
    size_t first = 0;
    while (first <= atoms.size()) {
        size_t end = first;
        while (end < atoms.size() && atoms[end].kind != Atom::ParaEnd)
            ++end;
        pugi::xml_node source = end < atoms.size() ? atoms[end].node : last;
        pugi::xml_node p = parent.insert_child_before("w:p", anchor);
        created.push_back(p);
        if (pugi::xml_node pPr = source.child("w:pPr"))
            p.append_copy(pPr);
        ParagraphWriter writer(p);
        for (size_t i = first; i < end; ++i)
            writer.add(atoms[i]);
        first = end + 1;
    }
    return created;
}

size_t spanAt(const std::vector<Span>& spans, int pos) {
    for (size_t i = 0; i < spans.size(); ++i)
        if (spans[i].start <= pos && pos <= spans[i].start + spans[i].length)
            return i;
    throw valueOutOfRange();
}

} // namespace

int Document::replace(int s, int e, const std::u32string& text) {
    const std::vector<Span> all = spans();
    if (s < 0 || e < s)
        throw valueOutOfRange();
    const size_t i = spanAt(all, s), j = spanAt(all, e);
    std::vector<Atom> atoms;
    for (size_t k = i; k <= j; ++k) {
        if (k > i && (all[k].para.parent() != all[i].para.parent() ||
                      all[k].start != all[k - 1].start + all[k - 1].length + 1))
            throw commandNotAvailable(); // across a table or a cell
        paragraphAtoms(all[k].para, all[k].start, atoms);
        if (k < j)
            atoms.push_back({Atom::ParaEnd, 0, {}, all[k].para, 1, all[k].start + all[k].length});
    }
    std::map<std::string, Extent> marks;
    const bool hasBookmarks = std::any_of(atoms.begin(), atoms.end(), [](const Atom& a) {
        return a.kind == Atom::Marker &&
               (is(a.node, "w:bookmarkStart") || is(a.node, "w:bookmarkEnd"));
    });
    if (hasBookmarks) // the other end of a bookmark may lie outside
        for (const BookmarkInfo& b : bookmarks())
            marks[b.id] = {b.start, b.end};

    const pugi::xml_node run = formatRun(atoms, s, e);
    std::vector<Atom> prefix, before, inserted, after, suffix;
    for (const Atom& a : atoms) {
        const bool zero = a.kind == Atom::Marker && a.width == 0;
        if (zero && a.pos >= s && a.pos <= e) {
            Place place = placeMarker(a, s, e, marks);
            if (place != Place::Drop)
                (place == Place::Before ? before : after).push_back(a);
        } else if (a.pos + a.width <= s) {
            prefix.push_back(a);
        } else if (a.pos >= e) {
            suffix.push_back(a);
        } else if (a.pos < s) {
            prefix.push_back(a); // a marker with text reaching into the range is kept whole
        }
    }
    for (char32_t ch : text) {
        if (ch == U'\r' || ch == U'\n')
            inserted.push_back({Atom::ParaEnd, 0, {}, all[i].para, 1, 0});
        else
            inserted.push_back({Atom::Text, ch, run, {}, 1, 0});
    }
    std::vector<Atom> result = prefix;
    result.insert(result.end(), before.begin(), before.end());
    result.insert(result.end(), inserted.begin(), inserted.end());
    result.insert(result.end(), after.begin(), after.end());
    result.insert(result.end(), suffix.begin(), suffix.end());

    const std::vector<pugi::xml_node> created = writeParagraphs(result, all[i].para, all[j].para);
    for (size_t k = i; k <= j; ++k)
        all[k].para.parent().remove_child(all[k].para);
    patchSpans(i, j, created);
    return s + static_cast<int>(text.size());
}

} // namespace hxword
