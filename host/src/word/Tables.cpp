// Tables inserted at a range, ranges of tables and cells, paragraph alignment.
#include "Atoms.h"
#include "Document.h"
#include "WordError.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace hxword {
namespace {

constexpr int kDefaultTextWidth = 9026; // twips: A4 less 1 inch margins

const char* const kAlignments[] = {"left", "center", "right", "both"};

int textWidth(pugi::xml_node body) {
    pugi::xml_node sect = body.child("w:sectPr");
    int page = sect.child("w:pgSz").attribute("w:w").as_int(0);
    pugi::xml_node mar = sect.child("w:pgMar");
    int width = page - mar.attribute("w:left").as_int(0) - mar.attribute("w:right").as_int(0);
    return page > 0 && width > 0 ? width : kDefaultTextWidth;
}

void fillTable(pugi::xml_node tbl, int rows, int cols, int width) {
    pugi::xml_node pr = tbl.append_child("w:tblPr");
    pugi::xml_node w = pr.append_child("w:tblW");
    w.append_attribute("w:w") = "0";
    w.append_attribute("w:type") = "auto";
    pugi::xml_node look = pr.append_child("w:tblLook");
    look.append_attribute("w:val") = "04A0";
    pugi::xml_node grid = tbl.append_child("w:tblGrid");
    const std::string colWidth = std::to_string(width / cols);
    for (int c = 0; c < cols; ++c)
        grid.append_child("w:gridCol").append_attribute("w:w") = colWidth.c_str();
    for (int r = 0; r < rows; ++r) {
        pugi::xml_node tr = tbl.append_child("w:tr");
        for (int c = 0; c < cols; ++c) {
            pugi::xml_node tc = tr.append_child("w:tc");
            pugi::xml_node tcW = tc.append_child("w:tcPr").append_child("w:tcW");
            tcW.append_attribute("w:w") = colWidth.c_str();
            tcW.append_attribute("w:type") = "dxa";
            tc.append_child("w:p");
        }
    }
}

bool inside(pugi::xml_node n, pugi::xml_node ancestor) {
    for (; n; n = n.parent())
        if (n == ancestor)
            return true;
    return false;
}

bool inRange(const Span& p, int s, int e) {
    if (s == e)
        return p.start <= s && s <= p.start + p.length;
    return p.start < e && p.start + p.length + 1 > s;
}

} // namespace

pugi::xml_node Document::addTable(int s, int e, int rows, int cols) {
    if (rows < 1 || rows > 32767 || cols < 1 || cols > 63)
        throw valueOutOfRange();
    if (e > s)
        replace(s, e, U"");
    const std::vector<Span>& all = spans();
    auto at = std::find_if(all.begin(), all.end(),
                           [&](const Span& p) { return p.start <= s && s <= p.start + p.length; });
    if (at == all.end())
        throw valueOutOfRange();
    pugi::xml_node anchor = at->para;
    if (s > at->start) { // split the paragraph; the table goes before its second half
        replace(s, s, U"\r");
        for (const Span& p : spans())
            if (p.start == s + 1)
                anchor = p.para;
    }
    pugi::xml_node tbl = anchor.parent().insert_child_before("w:tbl", anchor);
    fillTable(tbl, rows, cols, textWidth(bodyOf(m_xml)));
    invalidate();
    return tbl;
}

void Document::setAlignment(int s, int e, int alignment) {
    if (alignment < 0 || alignment > 3)
        throw valueOutOfRange();
    for (const Span& p : spans()) {
        if (p.start > e)
            break;
        if (!inRange(p, s, e))
            continue;
        pugi::xml_node para = p.para;
        pugi::xml_node pPr = para.child("w:pPr");
        if (!pPr)
            pPr = para.prepend_child("w:pPr");
        pugi::xml_node jc = childInOrder(pPr, "w:jc",
                                         {"w:textDirection", "w:textAlignment",
                                          "w:textboxTightWrap", "w:outlineLvl", "w:divId",
                                          "w:cnfStyle", "w:rPr", "w:sectPr", "w:pPrChange"});
        jc.remove_attribute("w:val");
        jc.append_attribute("w:val") = kAlignments[alignment];
    }
}

int Document::alignment(int s, int e) const {
    for (const Span& p : spans()) {
        if (!inRange(p, s, e))
            continue;
        std::string v = p.para.child("w:pPr").child("w:jc").attribute("w:val").value();
        if (v == "center")
            return 1;
        if (v == "right" || v == "end")
            return 2;
        return v == "both" ? 3 : 0;
    }
    return 0;
}

std::vector<pugi::xml_node> Document::tables() const {
    std::vector<pugi::xml_node> found;
    for (pugi::xml_node t = bodyOf(m_xml).child("w:tbl"); t; t = t.next_sibling("w:tbl"))
        found.push_back(t);
    return found;
}

std::pair<int, int> Document::nodeRange(pugi::xml_node node) const {
    const pugi::xml_node first =
        node.find_node([](pugi::xml_node n) { return std::strcmp(n.name(), "w:p") == 0; });
    const std::vector<Span>& all = spans();
    auto at = std::find_if(all.begin(), all.end(), [&](const Span& p) { return p.para == first; });
    if (!first || at == all.end())
        throw objectDeleted();
    const int start = at->start;
    int end = at->start + at->length;
    for (++at; at != all.end() && inside(at->para, node); ++at)
        end = at->start + at->length;
    return {start, end};
}

} // namespace hxword
