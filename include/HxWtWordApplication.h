// HxWtWordApplication: writes reports into Word through its automation
// interfaces: a new document from a template, bordered tables with centred
// cells at the selection or at a bookmark, and text into bookmarks.
//
// Ownership: the three dispatch members of the base (application, documents,
// document) hold one reference each; the destructor gives them up, document
// first, application last. Saving and closing the document are the caller's.
// LoadTemplate reports failure as 0; AddTable and WriteBookMarks let the
// wrappers' exceptions (COleDispatchException*, COleException*, to be ended
// with Delete()) reach the caller.
#pragma once

#include "HxWtHost.h"

#include "HxAecUtility.h"

class HXWTUTILITY_API HxWtWordApplication : public HxUtWordApplication {
public:
    HxWtWordApplication();
    HxWtWordApplication(const HxWtWordApplication& other);
    HxWtWordApplication& operator=(const HxWtWordApplication& other);
    virtual ~HxWtWordApplication();

    // 1 when a document was made from the template and became the document
    // member; 0 when Word raised an error (the member is then unchanged).
    int LoadTemplate(const wchar_t* templatePath);
    // A table of rows x cols at the current selection, single borders
    // outside and inside, every cell centred.
    _Table AddTable(int rows, int cols);
    // The same at the range of the active document's bookmark (a name or a
    // 1-based index), added to the tables of the document member.
    _Table AddTable(VARIANT bookmark, int rows, int cols);
    // Replaces the range of the active document's bookmark by text.
    void WriteBookMarks(VARIANT bookmark, const wchar_t* text);

private:
    _Table FormatTable(_Table& table, int rows, int cols);
};
