// The dispatch wrappers of Word's object model: each member one late-bound
// call by the dispatch id of Word's type library.
#include "HxAecUtility.h"
#include "hxhost/WordTypeLib.h"

using namespace wordlib;

namespace {

const BYTE kNone[] = VTS_NONE;
const BYTE kVariantRef[] = VTS_PVARIANT;
const BYTE kTwoVariantRefs[] = VTS_PVARIANT VTS_PVARIANT;
const BYTE kLong[] = VTS_I4;
const BYTE kTwoLongs[] = VTS_I4 VTS_I4;
const BYTE kRangeRowsCols[] = VTS_DISPATCH VTS_I4 VTS_I4;
const BYTE kString[] = VTS_BSTR;

LPDISPATCH getDispatch(COleDispatchDriver& d, DISPID id) {
    LPDISPATCH result = nullptr;
    d.InvokeHelper(id, DISPATCH_PROPERTYGET, VT_DISPATCH, &result, kNone);
    return result;
}

long getLong(COleDispatchDriver& d, DISPID id) {
    long result = 0;
    d.InvokeHelper(id, DISPATCH_PROPERTYGET, VT_I4, &result, kNone);
    return result;
}

CString getString(COleDispatchDriver& d, DISPID id) {
    CString result;
    d.InvokeHelper(id, DISPATCH_PROPERTYGET, VT_BSTR, &result, kNone);
    return result;
}

} // namespace

LPDISPATCH _Application::GetDocuments() {
    return getDispatch(*this, kAppDocuments);
}
LPDISPATCH _Application::GetSelection() {
    return getDispatch(*this, kAppSelection);
}
LPDISPATCH _Application::GetActiveDocument() {
    return getDispatch(*this, kAppActiveDocument);
}

LPDISPATCH Documents::Add(VARIANT* Template, VARIANT* NewTemplate) {
    LPDISPATCH result = nullptr;
    InvokeHelper(kDocsAdd, DISPATCH_METHOD, VT_DISPATCH, &result, kTwoVariantRefs, Template,
                 NewTemplate);
    return result;
}
long Documents::GetCount() {
    return getLong(*this, kDocsCount);
}
LPDISPATCH Documents::Item(VARIANT* Index) {
    LPDISPATCH result = nullptr;
    InvokeHelper(kDocsItem, DISPATCH_METHOD, VT_DISPATCH, &result, kVariantRef, Index);
    return result;
}

CString _Document::GetName() {
    return getString(*this, kDocName);
}
LPDISPATCH _Document::GetTables() {
    return getDispatch(*this, kDocTables);
}
LPDISPATCH _Document::GetBookmarks() {
    return getDispatch(*this, kDocBookmarks);
}
LPDISPATCH _Document::GetContent() {
    return getDispatch(*this, kDocContent);
}
void _Document::SaveAs(VARIANT* FileName) {
    InvokeHelper(kDocSaveAs, DISPATCH_METHOD, VT_EMPTY, nullptr, kVariantRef, FileName);
}
void _Document::Close(VARIANT* SaveChanges) {
    InvokeHelper(kDocClose, DISPATCH_METHOD, VT_EMPTY, nullptr, kVariantRef, SaveChanges);
}

LPDISPATCH Tables::Add(LPDISPATCH Range, long NumRows, long NumColumns) {
    LPDISPATCH result = nullptr;
    InvokeHelper(kTablesAdd, DISPATCH_METHOD, VT_DISPATCH, &result, kRangeRowsCols, Range, NumRows,
                 NumColumns);
    return result;
}
long Tables::GetCount() {
    return getLong(*this, kTablesCount);
}
LPDISPATCH Tables::Item(long Index) {
    LPDISPATCH result = nullptr;
    InvokeHelper(kTablesItem, DISPATCH_METHOD, VT_DISPATCH, &result, kLong, Index);
    return result;
}

LPDISPATCH _Table::GetBorders() {
    return getDispatch(*this, kTableBorders);
}
LPDISPATCH _Table::Cell(long Row, long Column) {
    LPDISPATCH result = nullptr;
    InvokeHelper(kTableCell, DISPATCH_METHOD, VT_DISPATCH, &result, kTwoLongs, Row, Column);
    return result;
}
LPDISPATCH _Table::GetRange() {
    return getDispatch(*this, kTableRange);
}
long _Table::GetRowCount() {
    return getLong(*this, kTableRows);
}
long _Table::GetColumnCount() {
    return getLong(*this, kTableColumns);
}

LPDISPATCH Cell::GetRange() {
    return getDispatch(*this, kCellRange);
}
LPDISPATCH Cell::GetBorders() {
    return getDispatch(*this, kCellBorders);
}
void Cell::SetBorders(LPDISPATCH newValue) {
    SetProperty(kCellBorders, VT_DISPATCH, newValue);
}

long Borders::GetOutsideLineStyle() {
    return getLong(*this, kBordersOutsideLineStyle);
}
void Borders::SetOutsideLineStyle(long v) {
    SetProperty(kBordersOutsideLineStyle, VT_I4, v);
}
long Borders::GetInsideLineStyle() {
    return getLong(*this, kBordersInsideLineStyle);
}
void Borders::SetInsideLineStyle(long v) {
    SetProperty(kBordersInsideLineStyle, VT_I4, v);
}

CString Range::GetText() {
    return getString(*this, kRangeText);
}
void Range::SetText(LPCTSTR v) {
    SetProperty(kRangeText, VT_BSTR, v);
}
long Range::GetStart() {
    return getLong(*this, kRangeStart);
}
long Range::GetEnd() {
    return getLong(*this, kRangeEnd);
}
LPDISPATCH Range::GetParagraphFormat() {
    return getDispatch(*this, kRangeParagraphFormat);
}
void Range::Select() {
    InvokeHelper(kRangeSelect, DISPATCH_METHOD, VT_EMPTY, nullptr, kNone);
}

CString Selection::GetText() {
    return getString(*this, kSelText);
}
void Selection::SetText(LPCTSTR v) {
    SetProperty(kSelText, VT_BSTR, v);
}
long Selection::GetStart() {
    return getLong(*this, kSelStart);
}
long Selection::GetEnd() {
    return getLong(*this, kSelEnd);
}
LPDISPATCH Selection::GetRange() {
    return getDispatch(*this, kSelRange);
}

LPDISPATCH Bookmarks::Item(VARIANT* Index) {
    LPDISPATCH result = nullptr;
    InvokeHelper(kBookmarksItem, DISPATCH_METHOD, VT_DISPATCH, &result, kVariantRef, Index);
    return result;
}
long Bookmarks::GetCount() {
    return getLong(*this, kBookmarksCount);
}
BOOL Bookmarks::Exists(LPCTSTR Name) {
    BOOL result = FALSE;
    InvokeHelper(kBookmarksExists, DISPATCH_METHOD, VT_BOOL, &result, kString, Name);
    return result;
}

CString Bookmark::GetName() {
    return getString(*this, kBookmarkName);
}
LPDISPATCH Bookmark::GetRange() {
    return getDispatch(*this, kBookmarkRange);
}

long _ParagraphFormat::GetAlignment() {
    return getLong(*this, kParaAlignment);
}
void _ParagraphFormat::SetAlignment(long v) {
    SetProperty(kParaAlignment, VT_I4, v);
}
