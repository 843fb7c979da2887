// OLE Automation types: HRESULT and its codes, BSTR, VARIANT, DISPPARAMS,
// EXCEPINFO and the IUnknown/IDispatch interfaces, with the string and variant
// functions of the automation runtime.
//
// BSTR is a wide string (32-bit wchar_t here) with its byte length stored in
// front of the first character and a terminating zero behind the last; it is
// made by SysAllocString* and freed by SysFreeString. The ledger counts every
// BSTR not yet freed and every dispatch object still referenced.
#pragma once

#include <cstdint>

#include "windows.h"

typedef std::int32_t HRESULT;
typedef std::int32_t SCODE;
typedef LONG DISPID;
typedef DWORD LCID;
typedef unsigned short VARTYPE;
typedef short VARIANT_BOOL;
typedef short SHORT;
typedef unsigned long ULONG;
typedef wchar_t OLECHAR;
typedef OLECHAR* BSTR;
typedef const OLECHAR* LPCOLESTR;

#define VARIANT_TRUE ((VARIANT_BOOL)-1)
#define VARIANT_FALSE ((VARIANT_BOOL)0)

#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#define MAKE_HRESULT(sev, fac, code)                                                               \
    ((HRESULT)(((unsigned)(sev) << 31) | ((unsigned)(fac) << 16) | ((unsigned)(code))))

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = (HRESULT)0x80004001u;
constexpr HRESULT E_NOINTERFACE = (HRESULT)0x80004002u;
constexpr HRESULT E_POINTER = (HRESULT)0x80004003u;
constexpr HRESULT E_FAIL = (HRESULT)0x80004005u;
constexpr HRESULT E_OUTOFMEMORY = (HRESULT)0x8007000Eu;
constexpr HRESULT E_INVALIDARG = (HRESULT)0x80070057u;
constexpr HRESULT DISP_E_MEMBERNOTFOUND = (HRESULT)0x80020003u;
constexpr HRESULT DISP_E_TYPEMISMATCH = (HRESULT)0x80020005u;
constexpr HRESULT DISP_E_EXCEPTION = (HRESULT)0x80020009u;
constexpr HRESULT DISP_E_BADPARAMCOUNT = (HRESULT)0x8002000Eu;
constexpr HRESULT DISP_E_BADINDEX = (HRESULT)0x8002000Bu;
constexpr HRESULT DISP_E_PARAMNOTOPTIONAL = (HRESULT)0x8002000Fu;
constexpr HRESULT RPC_E_DISCONNECTED = (HRESULT)0x80010108u;
constexpr HRESULT RPC_E_SERVERFAULT = (HRESULT)0x80010105u;

enum VARENUM : VARTYPE {
    VT_EMPTY = 0,
    VT_NULL = 1,
    VT_I2 = 2,
    VT_I4 = 3,
    VT_R8 = 5,
    VT_BSTR = 8,
    VT_DISPATCH = 9,
    VT_ERROR = 10,
    VT_BOOL = 11,
    VT_VARIANT = 12,
    VT_UNKNOWN = 13,
    VT_BYREF = 0x4000,
};

constexpr DISPID DISPID_VALUE = 0;
constexpr DISPID DISPID_UNKNOWN = -1;
constexpr DISPID DISPID_PROPERTYPUT = -3;

#define DISPATCH_METHOD 0x1
#define DISPATCH_PROPERTYGET 0x2
#define DISPATCH_PROPERTYPUT 0x4
#define DISPATCH_PROPERTYPUTREF 0x8

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
};
typedef GUID IID;
typedef const IID& REFIID;
extern HX_HOST_API const IID IID_NULL;

struct IDispatch;

// A variant: a type tag and the value of that type. Owned values (a BSTR, a
// dispatch reference) belong to the variant and go with VariantClear.
struct VARIANT {
    VARTYPE vt;
    WORD wReserved1, wReserved2, wReserved3;
    union {
        LONG lVal;
        SHORT iVal;
        double dblVal;
        VARIANT_BOOL boolVal;
        SCODE scode;
        BSTR bstrVal;
        IDispatch* pdispVal;
        VARIANT* pvarVal;
    };
};
typedef VARIANT VARIANTARG;
typedef VARIANT* LPVARIANT;

// Arguments of a call, last argument first; named arguments' ids alongside.
struct DISPPARAMS {
    VARIANTARG* rgvarg;
    DISPID* rgdispidNamedArgs;
    UINT cArgs;
    UINT cNamedArgs;
};

// What a server tells about an exception it raised (DISP_E_EXCEPTION). The
// strings belong to the receiver once Invoke returned.
struct EXCEPINFO {
    WORD wCode;
    WORD wReserved;
    BSTR bstrSource;
    BSTR bstrDescription;
    BSTR bstrHelpFile;
    DWORD dwHelpContext;
    void* pvReserved;
    void* pfnDeferredFillIn;
    SCODE scode;
};

struct IUnknown {
    virtual HRESULT QueryInterface(REFIID riid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};

// A late-bound automation object: members are called by dispatch id.
struct IDispatch : IUnknown {
    virtual HRESULT Invoke(DISPID member, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                           VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) = 0;

protected:
    ~IDispatch() = default;
};
typedef IDispatch* LPDISPATCH;
typedef IUnknown* LPUNKNOWN;

// --- Strings. SysAllocString copies text (null gives null); it returns null
// when memory runs out (the host's fault "SysAllocString" makes it so).
HX_HOST_API BSTR SysAllocString(const OLECHAR* text);
HX_HOST_API BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
// Frees a BSTR; null is allowed.
HX_HOST_API void SysFreeString(BSTR text);
// Characters in the string (embedded zeros included); 0 for null.
HX_HOST_API UINT SysStringLen(BSTR text);

// --- Variants. VariantInit makes an empty variant without looking at the old
// value; VariantClear frees what the variant owns (a BSTR, a dispatch
// reference) and leaves it empty. VariantCopy clears dest and copies src into
// it (a new BSTR, another reference); E_OUTOFMEMORY when the copy fails.
HX_HOST_API void VariantInit(VARIANTARG* v);
HX_HOST_API HRESULT VariantClear(VARIANTARG* v);
HX_HOST_API HRESULT VariantCopy(VARIANTARG* dest, const VARIANTARG* src);
