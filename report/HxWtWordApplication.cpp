// HxWtWordApplication: report documents from templates, tables and bookmark
// texts through the base platform's Word wrappers.
#include "HxWtWordApplication.h"

namespace {

constexpr long kLineStyleSingle = 1;      // wdLineStyleSingle
constexpr long kAlignParagraphCenter = 1; // wdAlignParagraphCenter

} // namespace

HxWtWordApplication::HxWtWordApplication() : HxUtWordApplication() {}

HxWtWordApplication::HxWtWordApplication(const HxWtWordApplication& other)
    : HxUtWordApplication(other) {}

HxWtWordApplication& HxWtWordApplication::operator=(const HxWtWordApplication& other) {
    HxUtWordApplication::operator=(other);
    return *this;
}

HxWtWordApplication::~HxWtWordApplication() {
    m_document.ReleaseDispatch();
    m_documents.ReleaseDispatch();
    m_application.ReleaseDispatch();
}

int HxWtWordApplication::LoadTemplate(const wchar_t* templatePath) {
    VARIANT path;
    VariantInit(&path);
    path.vt = VT_BSTR;
    path.bstrVal = SysAllocString(templatePath ? templatePath : L"");
    if (!path.bstrVal)
        AfxThrowMemoryException();
    VARIANT newTemplate;
    VariantInit(&newTemplate);
    newTemplate.vt = VT_BOOL;
    newTemplate.boolVal = VARIANT_FALSE;
    int result = 1;
    try {
        _Document document(m_documents.Add(&path, &newTemplate));
        m_document = document;
    } catch (CException* e) {
        e->Delete();
        result = 0;
    }
    VariantClear(&path);
    VariantClear(&newTemplate);
    return result;
}

_Table HxWtWordApplication::FormatTable(_Table& table, int rows, int cols) {
    Borders borders(table.GetBorders());
    borders.SetOutsideLineStyle(kLineStyleSingle);
    borders.SetInsideLineStyle(kLineStyleSingle);
    for (int r = 1; r <= rows; ++r) {
        for (int c = 1; c <= cols; ++c) {
            Cell cell(table.Cell(r, c));
            cell.SetBorders(borders.m_lpDispatch);
            Range range(cell.GetRange());
            _ParagraphFormat format(range.GetParagraphFormat());
            format.SetAlignment(kAlignParagraphCenter);
        }
    }
    return table;
}

_Table HxWtWordApplication::AddTable(int rows, int cols) {
    Selection selection(m_application.GetSelection());
    Range range(selection.GetRange());
    Tables tables(m_document.GetTables());
    _Table table(tables.Add(range.m_lpDispatch, rows, cols));
    return FormatTable(table, rows, cols);
}

_Table HxWtWordApplication::AddTable(VARIANT bookmark, int rows, int cols) {
    _Document active(m_application.GetActiveDocument());
    Tables tables(m_document.GetTables());
    Selection selection(m_application.GetSelection());
    Bookmarks marks(active.GetBookmarks());
    Bookmark mark(marks.Item(&bookmark));
    Range markRange(mark.GetRange());
    markRange.Select();
    Range range(selection.GetRange());
    _Table table(tables.Add(range.m_lpDispatch, rows, cols));
    return FormatTable(table, rows, cols);
}

void HxWtWordApplication::WriteBookMarks(VARIANT bookmark, const wchar_t* text) {
    _Document active(m_application.GetActiveDocument());
    Selection selection(m_application.GetSelection());
    Bookmarks marks(active.GetBookmarks());
    Bookmark mark(marks.Item(&bookmark));
    Range range(mark.GetRange());
    range.Select();
    selection.SetText(text);
}
