// The base module HxAecUtility's Word automation: dispatch wrappers of Word's
// object model and HxUtWordApplication, the connection to Word.
//
// Each wrapper is a COleDispatchDriver around one IDispatch of Word; it owns
// one reference (released by its destructor) and throws the framework's
// dispatch exceptions (COleDispatchException for an error Word raised,
// COleException for a failed call) from every member. Members that give
// LPDISPATCH hand the caller a reference, to be wrapped (and so released).
#pragma once

#include "afxdisp.h"

#ifndef HXAECUTILITY_API
#define HXAECUTILITY_API __declspec(dllimport)
#endif

#define HX_WORD_WRAPPER(Name)                                                                      \
public:                                                                                            \
    Name() = default;                                                                              \
    Name(LPDISPATCH dispatch) : COleDispatchDriver(dispatch) {}                                    \
    Name(const Name& other) = default;                                                             \
    Name& operator=(const Name& other) {                                                           \
        COleDispatchDriver::operator=(other);                                                      \
        return *this;                                                                              \
    }

class HXAECUTILITY_API _Application : public COleDispatchDriver {
    HX_WORD_WRAPPER(_Application)
    LPDISPATCH GetDocuments();
    LPDISPATCH GetSelection();
    LPDISPATCH GetActiveDocument();
};

class HXAECUTILITY_API Documents : public COleDispatchDriver {
    HX_WORD_WRAPPER(Documents)
    // A new document based on Template (a path); NewTemplate true makes a template.
    LPDISPATCH Add(VARIANT* Template, VARIANT* NewTemplate);
    long GetCount();
    LPDISPATCH Item(VARIANT* Index);
};

class HXAECUTILITY_API _Document : public COleDispatchDriver {
    HX_WORD_WRAPPER(_Document)
    CString GetName();
    LPDISPATCH GetTables();
    LPDISPATCH GetBookmarks();
    LPDISPATCH GetContent();
    // Saves the document as FileName (a path), never over its template.
    void SaveAs(VARIANT* FileName);
    // Closes the document (without saving).
    void Close(VARIANT* SaveChanges);
};

class HXAECUTILITY_API Tables : public COleDispatchDriver {
    HX_WORD_WRAPPER(Tables)
    LPDISPATCH Add(LPDISPATCH Range, long NumRows, long NumColumns);
    long GetCount();
    LPDISPATCH Item(long Index);
};

class HXAECUTILITY_API _Table : public COleDispatchDriver {
    HX_WORD_WRAPPER(_Table)
    LPDISPATCH GetBorders();
    LPDISPATCH Cell(long Row, long Column);
    LPDISPATCH GetRange();
    long GetRowCount();
    long GetColumnCount();
};

class HXAECUTILITY_API Cell : public COleDispatchDriver {
    HX_WORD_WRAPPER(Cell)
    LPDISPATCH GetRange();
    LPDISPATCH GetBorders();
    void SetBorders(LPDISPATCH newValue);
};

class HXAECUTILITY_API Borders : public COleDispatchDriver {
    HX_WORD_WRAPPER(Borders)
    long GetOutsideLineStyle();
    void SetOutsideLineStyle(long newValue);
    long GetInsideLineStyle();
    void SetInsideLineStyle(long newValue);
};

class HXAECUTILITY_API Range : public COleDispatchDriver {
    HX_WORD_WRAPPER(Range)
    CString GetText();
    void SetText(LPCTSTR newValue);
    long GetStart();
    long GetEnd();
    LPDISPATCH GetParagraphFormat();
    void Select();
};

class HXAECUTILITY_API Selection : public COleDispatchDriver {
    HX_WORD_WRAPPER(Selection)
    CString GetText();
    void SetText(LPCTSTR newValue);
    long GetStart();
    long GetEnd();
    LPDISPATCH GetRange();
};

class HXAECUTILITY_API Bookmarks : public COleDispatchDriver {
    HX_WORD_WRAPPER(Bookmarks)
    // By name (VT_BSTR) or by index (VT_I4, from 1, visible bookmarks in
    // alphabetical order).
    LPDISPATCH Item(VARIANT* Index);
    long GetCount();
    BOOL Exists(LPCTSTR Name);
};

class HXAECUTILITY_API Bookmark : public COleDispatchDriver {
    HX_WORD_WRAPPER(Bookmark)
    CString GetName();
    LPDISPATCH GetRange();
};

class HXAECUTILITY_API _ParagraphFormat : public COleDispatchDriver {
    HX_WORD_WRAPPER(_ParagraphFormat)
    long GetAlignment();
    void SetAlignment(long newValue);
};

#undef HX_WORD_WRAPPER

// The connection to Word. Construction starts Word and makes the application
// and documents members usable (both stay empty when Word does not start);
// the document member is the derived class's to fill. Copies share Word (a
// reference each); the destructor gives up this object's references.
class HXAECUTILITY_API HxUtWordApplication {
public:
    HxUtWordApplication();
    HxUtWordApplication(const HxUtWordApplication& other);
    HxUtWordApplication& operator=(const HxUtWordApplication& other);
    virtual ~HxUtWordApplication();

    // The current document (empty before one was made), for saving and closing.
    _Document GetDocument() const { return m_document; }

protected:
    _Application m_application;
    Documents m_documents;
    _Document m_document;
};
