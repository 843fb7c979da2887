// Tables, Table, Cell and Borders: adding tables at a range, cells by row and
// column, and single or no borders on tables and cells.
#include "Atoms.h"
#include "WordObject.h"
#include "hxhost/WordTypeLib.h"

#include <cstring>

using namespace wordlib;

namespace hxword {
namespace {

// Word's line styles 0..8 as WordprocessingML border values.
const char* const kLineStyles[] = {"nil",     "single",     "dotted", "dashSmallGap", "dashed",
                                   "dotDash", "dotDotDash", "double", "triple"};
constexpr long kUndefined = 9999999; // wdUndefined: the edges differ

long styleOf(const char* value) {
    for (long i = 1; i < 9; ++i)
        if (std::strcmp(value, kLineStyles[i]) == 0)
            return i;
    return 0;
}

bool isTable(pugi::xml_node owner) {
    return std::strcmp(owner.name(), "w:tbl") == 0;
}

// The tblBorders or tcBorders element of a table or cell, made when absent.
pugi::xml_node bordersElement(pugi::xml_node owner) {
    if (isTable(owner)) {
        pugi::xml_node pr = owner.child("w:tblPr");
        if (!pr)
            pr = owner.prepend_child("w:tblPr");
        return childInOrder(pr, "w:tblBorders",
                            {"w:shd", "w:tblLayout", "w:tblCellMar", "w:tblLook", "w:tblCaption",
                             "w:tblDescription", "w:tblPrChange"});
    }
    pugi::xml_node pr = owner.child("w:tcPr");
    if (!pr)
        pr = owner.prepend_child("w:tcPr");
    return childInOrder(pr, "w:tcBorders",
                        {"w:shd", "w:noWrap", "w:tcMar", "w:textDirection", "w:tcFitText",
                         "w:vAlign", "w:hideMark", "w:headers", "w:cellIns", "w:cellDel",
                         "w:cellMerge", "w:tcPrChange"});
}

const char* const kOutside[] = {"w:top", "w:left", "w:bottom", "w:right"};
const char* const kInside[] = {"w:insideH", "w:insideV"};
const char* const kEdgeOrder[] = {"w:top", "w:left",    "w:start",   "w:bottom", "w:right",
                                  "w:end", "w:insideH", "w:insideV", "w:tl2br",  "w:tr2bl"};

pugi::xml_node edge(pugi::xml_node borders, const char* name) {
    if (pugi::xml_node e = borders.child(name))
        return e;
    bool after = false;
    for (const char* n : kEdgeOrder) {
        if (std::strcmp(n, name) == 0) {
            after = true;
            continue;
        }
        if (pugi::xml_node next = borders.child(n); after && next)
            return borders.insert_child_before(name, next);
    }
    return borders.append_child(name);
}

void setEdge(pugi::xml_node borders, const char* name, long style) {
    pugi::xml_node e = edge(borders, name);
    e.remove_attributes();
    e.append_attribute("w:val") = kLineStyles[style];
    if (style == 0)
        return;
    e.append_attribute("w:sz") = "4";
    e.append_attribute("w:space") = "0";
    e.append_attribute("w:color") = "auto";
}

long edgeStyle(pugi::xml_node owner, const char* name) {
    pugi::xml_node pr = owner.child(isTable(owner) ? "w:tblPr" : "w:tcPr");
    return styleOf(pr.child(isTable(owner) ? "w:tblBorders" : "w:tcBorders")
                       .child(name)
                       .attribute("w:val")
                       .value());
}

class BordersObject : public WordObject {
public:
    BordersObject(SessionRef s, DocRef doc, pugi::xml_node owner)
        : WordObject(std::move(s), "Borders"), m_doc(std::move(doc)), m_owner(owner) {}
    pugi::xml_node owner() const { return m_owner; }

protected:
    void call(DISPID member, WORD flags, const Args& args, VARIANT* result) override {
        openDoc(m_doc);
        if (member != kBordersOutsideLineStyle && member != kBordersInsideLineStyle)
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        const bool outside = member == kBordersOutsideLineStyle;
        if (!isPut(flags))
            return returnLong(result, outside ? same(kOutside, 4) : same(kInside, 2));
        long style = args.asLong(0);
        if (style < 0 || style > 8)
            throw valueOutOfRange();
        if (!outside && !isTable(m_owner))
            return; // a single cell has no inside edges
        pugi::xml_node borders = bordersElement(m_owner);
        for (const char* name : outside ? std::vector<const char*>(kOutside, kOutside + 4)
                                        : std::vector<const char*>(kInside, kInside + 2))
            setEdge(borders, name, style);
    }

private:
    long same(const char* const* names, int n) const {
        long first = edgeStyle(m_owner, names[0]);
        for (int i = 1; i < n; ++i)
            if (edgeStyle(m_owner, names[i]) != first)
                return kUndefined;
        return first;
    }

    DocRef m_doc;
    pugi::xml_node m_owner;
};

class CellObject : public WordObject {
public:
    CellObject(SessionRef s, DocRef doc, pugi::xml_node tc)
        : WordObject(std::move(s), "Cell"), m_doc(std::move(doc)), m_tc(tc) {}

protected:
    void call(DISPID member, WORD flags, const Args& args, VARIANT* result) override {
        Document& doc = openDoc(m_doc);
        if (member == kCellRange) {
            auto [start, end] = doc.nodeRange(m_tc);
            return returnObject(result, newRange(session(), m_doc, start, end));
        }
        if (member != kCellBorders)
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        if (!isPut(flags))
            return returnObject(result, newBorders(session(), m_doc, m_tc));
        pugi::xml_node source = bordersOwner(args.asDispatch(0));
        if (!source)
            throw BadArgument{DISP_E_TYPEMISMATCH};
        // The cell takes the source's edges: a table's outside edges become
        // the cell's own.
        long styles[4];
        for (int i = 0; i < 4; ++i)
            styles[i] = edgeStyle(source, kOutside[i]);
        pugi::xml_node borders = bordersElement(m_tc);
        for (int i = 0; i < 4; ++i)
            setEdge(borders, kOutside[i], styles[i]);
    }

private:
    DocRef m_doc;
    pugi::xml_node m_tc;
};

class TableObject : public WordObject {
public:
    TableObject(SessionRef s, DocRef doc, pugi::xml_node tbl)
        : WordObject(std::move(s), "Table"), m_doc(std::move(doc)), m_tbl(tbl) {}

protected:
    void call(DISPID member, WORD, const Args& args, VARIANT* result) override {
        Document& doc = openDoc(m_doc);
        switch (member) {
        case kTableBorders:
            return returnObject(result, newBorders(session(), m_doc, m_tbl));
        case kTableCell:
            return returnObject(result,
                                newCell(session(), m_doc, cell(args.asLong(0), args.asLong(1))));
        case kTableRange: {
            auto [start, end] = doc.nodeRange(m_tbl);
            return returnObject(result, newRange(session(), m_doc, start, end));
        }
        case kTableRows:
            return returnLong(result, count(m_tbl, "w:tr"));
        case kTableColumns:
            return returnLong(result, count(m_tbl.child("w:tblGrid"), "w:gridCol"));
        default:
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        }
    }

private:
    static long count(pugi::xml_node parent, const char* name) {
        long n = 0;
        for (pugi::xml_node c = parent.child(name); c; c = c.next_sibling(name))
            ++n;
        return n;
    }
    static pugi::xml_node nth(pugi::xml_node parent, const char* name, long index) {
        pugi::xml_node c = parent.child(name);
        for (long i = 1; c && i < index; ++i)
            c = c.next_sibling(name);
        return index >= 1 ? c : pugi::xml_node();
    }
    pugi::xml_node cell(long row, long col) const {
        pugi::xml_node tc = nth(nth(m_tbl, "w:tr", row), "w:tc", col);
        if (!tc)
            throw noSuchMember();
        return tc;
    }

    DocRef m_doc;
    pugi::xml_node m_tbl;
};

class TablesObject : public WordObject {
public:
    TablesObject(SessionRef s, DocRef doc)
        : WordObject(std::move(s), "Tables"), m_doc(std::move(doc)) {}

protected:
    void call(DISPID member, WORD, const Args& args, VARIANT* result) override {
        Document& doc = openDoc(m_doc);
        if (member == kTablesAdd)
            return returnObject(result, newTable(session(), m_doc, add(doc, args)));
        const std::vector<pugi::xml_node> tables = doc.tables();
        if (member == kTablesCount)
            return returnLong(result, long(tables.size()));
        if (member != kTablesItem)
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        long index = args.asLong(0);
        if (index < 1 || index > long(tables.size()))
            throw noSuchMember();
        returnObject(result, newTable(session(), m_doc, tables[size_t(index - 1)]));
    }

private:
    pugi::xml_node add(Document& doc, const Args& args) {
        DocRef rangeDoc;
        int start = 0, end = 0;
        if (!rangeOf(args.asDispatch(0), rangeDoc, start, end))
            throw BadArgument{DISP_E_TYPEMISMATCH};
        if (rangeDoc != m_doc)
            throw commandNotAvailable(); // the range lies in another document
        return doc.addTable(start, end, int(args.asLong(1)), int(args.asLong(2)));
    }

    DocRef m_doc;
};

} // namespace

WordObject* newTables(SessionRef s, DocRef doc) {
    return new TablesObject(std::move(s), doc);
}
WordObject* newTable(SessionRef s, DocRef doc, pugi::xml_node tbl) {
    return new TableObject(std::move(s), std::move(doc), tbl);
}
WordObject* newCell(SessionRef s, DocRef doc, pugi::xml_node tc) {
    return new CellObject(std::move(s), std::move(doc), tc);
}
WordObject* newBorders(SessionRef s, DocRef doc, pugi::xml_node owner) {
    return new BordersObject(std::move(s), std::move(doc), owner);
}

pugi::xml_node bordersOwner(IDispatch* dispatch) {
    auto* borders = dynamic_cast<BordersObject*>(static_cast<WordObject*>(dispatch));
    return borders ? borders->owner() : pugi::xml_node();
}

} // namespace hxword
