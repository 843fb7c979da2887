// Stand-in only: the dispatch ids of the in-process Word's object model, the
// type library that the dispatch wrappers of the base module are written
// against. One enumeration per interface.
#pragma once

#include "oaidl.h"

namespace wordlib {

enum ApplicationId : DISPID { kAppActiveDocument = 3, kAppSelection = 5, kAppDocuments = 6 };
enum DocumentsId : DISPID { kDocsCount = 2, kDocsItem = 0, kDocsAdd = 14 };
enum DocumentId : DISPID {
    kDocName = 0,
    kDocBookmarks = 4,
    kDocTables = 6,
    kDocContent = 7,
    kDocSaveAs = 102,
    kDocClose = 1105
};
enum TablesId : DISPID { kTablesItem = 0, kTablesCount = 2, kTablesAdd = 200 };
enum TableId : DISPID {
    kTableRange = 0,
    kTableRows = 100,
    kTableColumns = 101,
    kTableCell = 17,
    kTableBorders = 1100
};
enum CellId : DISPID { kCellRange = 0, kCellBorders = 1100 };
enum BordersId : DISPID { kBordersOutsideLineStyle = 2, kBordersInsideLineStyle = 6 };
enum RangeId : DISPID {
    kRangeText = 0,
    kRangeStart = 3,
    kRangeEnd = 4,
    kRangeParagraphFormat = 1102,
    kRangeSelect = 0xFFFF
};
enum SelectionId : DISPID { kSelText = 0, kSelStart = 3, kSelEnd = 4, kSelRange = 400 };
enum BookmarksId : DISPID { kBookmarksItem = 0, kBookmarksCount = 2, kBookmarksExists = 4 };
enum BookmarkId : DISPID { kBookmarkName = 0, kBookmarkRange = 1 };
enum ParagraphFormatId : DISPID { kParaAlignment = 101 };

} // namespace wordlib
