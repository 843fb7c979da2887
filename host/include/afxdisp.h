// The framework's automation client side: its exceptions (thrown as heap
// pointers that the catcher deletes with Delete(), as the framework does) and
// COleDispatchDriver, the base class of dispatch wrappers.
#pragma once

#include "afx.h"
#include "oleauto.h"

// Memory ran out (a string or variant could not be made).
class HX_HOST_API CMemoryException : public CException {
public:
    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext = nullptr) const override;
};

// An automation call failed without the server raising an error of its own
// (a lost connection, a wrong argument type, no dispatch to call).
class HX_HOST_API COleException : public CException {
public:
    explicit COleException(SCODE sc) : m_sc(sc) {}
    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext = nullptr) const override;
    SCODE m_sc;
};

// The server raised an error (DISP_E_EXCEPTION): its code, source and text.
class HX_HOST_API COleDispatchException : public CException {
public:
    COleDispatchException(const wchar_t* description, UINT helpId, WORD code);
    BOOL GetErrorMessage(LPTSTR buffer, UINT maxChars, UINT* helpContext = nullptr) const override;
    WORD m_wCode = 0;
    SCODE m_scError = 0;
    CString m_strSource;
    CString m_strDescription;
    CString m_strHelpFile;
    DWORD m_dwHelpContext = 0;
};

[[noreturn]] HX_HOST_API void AfxThrowMemoryException();
[[noreturn]] HX_HOST_API void AfxThrowOleException(SCODE sc);
[[noreturn]] HX_HOST_API void AfxThrowOleDispatchException(WORD code, LPCTSTR description,
                                                           UINT helpId = 0);

// Parameter type strings of InvokeHelper, one byte per argument.
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_BSTR "\x08"     // const wchar_t*
#define VTS_DISPATCH "\x09" // LPDISPATCH
#define VTS_BOOL "\x0B"     // BOOL
#define VTS_VARIANT "\x0C"  // const VARIANT&, passed as const VARIANT*
#define VTS_PVARIANT "\x4C" // VARIANT*, passed by reference
#define VTS_NONE ""

// Holds one IDispatch and calls its members by dispatch id.
//
// Ownership: with m_bAutoRelease (the default) the driver owns one reference
// and gives it up in ReleaseDispatch and its destructor. A copy takes a
// reference of its own. AttachDispatch releases what was held before.
// InvokeHelper throws COleDispatchException when the server raised an error,
// COleException for every other failure (no dispatch held included), and
// CMemoryException when an argument string cannot be made; it leaks nothing
// on any of these paths.
class HX_HOST_API COleDispatchDriver {
public:
    COleDispatchDriver();
    explicit COleDispatchDriver(LPDISPATCH dispatch, BOOL autoRelease = TRUE);
    COleDispatchDriver(const COleDispatchDriver& other);
    ~COleDispatchDriver();
    // Holds other's dispatch too (one more reference); returns *this.
    const COleDispatchDriver& operator=(const COleDispatchDriver& other);

    void AttachDispatch(LPDISPATCH dispatch, BOOL autoRelease = TRUE);
    // Gives the dispatch to the caller (with the reference) and holds none.
    LPDISPATCH DetachDispatch();
    // Gives up the reference held (when auto-released) and holds none.
    void ReleaseDispatch();

    // Calls member `dispid` with the arguments described by paramInfo (VTS_*)
    // and stores a result of type vtRet in *result: LPDISPATCH for
    // VT_DISPATCH (the caller owns the reference), CString for VT_BSTR, long
    // for VT_I4, BOOL for VT_BOOL, VARIANT for VT_VARIANT, none for VT_EMPTY.
    void InvokeHelper(DISPID dispid, WORD flags, VARTYPE vtRet, void* result, const BYTE* paramInfo,
                      ...);
    // Property put with one argument of type vtProp (given as for VTS_*).
    void SetProperty(DISPID dispid, VARTYPE vtProp, ...);
    void GetProperty(DISPID dispid, VARTYPE vtProp, void* result) const;

    LPDISPATCH m_lpDispatch = nullptr;
    BOOL m_bAutoRelease = TRUE;
};
