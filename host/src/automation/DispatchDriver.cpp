// COleDispatchDriver: reference keeping and late-bound calls through
// IDispatch::Invoke, with the framework's exceptions on failure.
#include "afxdisp.h"

#include <cstdarg>
#include <cstring>
#include <vector>

namespace {

// The arguments of one call, in DISPPARAMS order (last first). Frees the
// BSTRs it made, whatever way the call ends.
class CallArguments {
public:
    CallArguments() = default;
    CallArguments(const CallArguments&) = delete;
    CallArguments& operator=(const CallArguments&) = delete;
    ~CallArguments() {
        for (BSTR s : m_strings)
            SysFreeString(s);
    }

    // Reads one argument per byte of paramInfo; throws the framework's
    // memory exception when a string cannot be made.
    void read(const BYTE* paramInfo, va_list* args) {
        const size_t count = paramInfo ? std::strlen(reinterpret_cast<const char*>(paramInfo)) : 0;
        m_values.resize(count);
        for (size_t i = 0; i < count; ++i)
            readOne(paramInfo[i], args, m_values[count - 1 - i]);
    }

    DISPPARAMS params(bool propertyPut) {
        DISPPARAMS p{};
        p.rgvarg = m_values.empty() ? nullptr : m_values.data();
        p.cArgs = static_cast<UINT>(m_values.size());
        if (propertyPut) {
            p.rgdispidNamedArgs = &m_putId;
            p.cNamedArgs = 1;
        }
        return p;
    }

private:
    void readOne(BYTE type, va_list* args, VARIANT& v) {
        VariantInit(&v);
        switch (type) {
        case VT_I2:
            v.vt = VT_I2, v.iVal = static_cast<SHORT>(va_arg(*args, int));
            return;
        case VT_I4:
            v.vt = VT_I4, v.lVal = va_arg(*args, long);
            return;
        case VT_BOOL:
            v.vt = VT_BOOL, v.boolVal = va_arg(*args, BOOL) ? VARIANT_TRUE : VARIANT_FALSE;
            return;
        case VT_DISPATCH:
            v.vt = VT_DISPATCH, v.pdispVal = va_arg(*args, LPDISPATCH);
            return;
        case VT_VARIANT:
            v = *va_arg(*args, const VARIANT*);
            return;
        case VT_VARIANT | 0x40:
            v.vt = VT_VARIANT | VT_BYREF, v.pvarVal = va_arg(*args, VARIANT*);
            return;
        case VT_BSTR: {
            const wchar_t* text = va_arg(*args, const wchar_t*);
            v.vt = VT_BSTR;
            v.bstrVal = SysAllocString(text ? text : L"");
            if (!v.bstrVal)
                AfxThrowMemoryException();
            m_strings.push_back(v.bstrVal);
            return;
        }
        default:
            AfxThrowOleException(DISP_E_TYPEMISMATCH);
        }
    }

    std::vector<VARIANT> m_values;
    std::vector<BSTR> m_strings;
    DISPID m_putId = DISPID_PROPERTYPUT;
};

// Throws what a failed Invoke calls for, taking the strings of excepInfo.
[[noreturn]] void throwFailure(HRESULT hr, EXCEPINFO& info) {
    if (hr != DISP_E_EXCEPTION) {
        SysFreeString(info.bstrSource);
        SysFreeString(info.bstrDescription);
        SysFreeString(info.bstrHelpFile);
        AfxThrowOleException(hr);
    }
    auto* e = new COleDispatchException(info.bstrDescription ? info.bstrDescription : L"",
                                        info.dwHelpContext, info.wCode);
    e->m_scError = info.scode ? info.scode : hr;
    e->m_strSource = info.bstrSource ? info.bstrSource : L"";
    e->m_strHelpFile = info.bstrHelpFile ? info.bstrHelpFile : L"";
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    throw e;
}

// Moves the call's result into the caller's variable of type vtRet; clears
// the result and throws DISP_E_TYPEMISMATCH when it is of another type.
void storeResult(VARIANT& value, VARTYPE vtRet, void* out) {
    if (vtRet == VT_EMPTY || !out) {
        VariantClear(&value);
        return;
    }
    if (vtRet == VT_VARIANT) {
        *static_cast<VARIANT*>(out) = value;
        return;
    }
    const bool empty = value.vt == VT_EMPTY;
    if (!empty && value.vt != vtRet) {
        VariantClear(&value);
        AfxThrowOleException(DISP_E_TYPEMISMATCH);
    }
    switch (vtRet) {
    case VT_DISPATCH:
        *static_cast<LPDISPATCH*>(out) = empty ? nullptr : value.pdispVal;
        return; // the reference passes to the caller
    case VT_BSTR:
        *static_cast<CString*>(out) = empty || !value.bstrVal ? L"" : value.bstrVal;
        break;
    case VT_I4:
        *static_cast<long*>(out) = empty ? 0 : value.lVal;
        break;
    case VT_BOOL:
        *static_cast<BOOL*>(out) = !empty && value.boolVal != VARIANT_FALSE;
        break;
    default:
        break;
    }
    VariantClear(&value);
}

} // namespace

COleDispatchDriver::COleDispatchDriver() = default;

COleDispatchDriver::COleDispatchDriver(LPDISPATCH dispatch, BOOL autoRelease)
    : m_lpDispatch(dispatch), m_bAutoRelease(autoRelease) {}

COleDispatchDriver::COleDispatchDriver(const COleDispatchDriver& other)
    : m_lpDispatch(other.m_lpDispatch), m_bAutoRelease(TRUE) {
    if (m_lpDispatch)
        m_lpDispatch->AddRef();
}

COleDispatchDriver::~COleDispatchDriver() {
    ReleaseDispatch();
}

const COleDispatchDriver& COleDispatchDriver::operator=(const COleDispatchDriver& other) {
    if (this == &other || m_lpDispatch == other.m_lpDispatch)
        return *this;
    if (other.m_lpDispatch)
        other.m_lpDispatch->AddRef();
    ReleaseDispatch();
    m_lpDispatch = other.m_lpDispatch;
    m_bAutoRelease = TRUE;
    return *this;
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH dispatch, BOOL autoRelease) {
    ReleaseDispatch();
    m_lpDispatch = dispatch;
    m_bAutoRelease = autoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch() {
    LPDISPATCH dispatch = m_lpDispatch;
    m_lpDispatch = nullptr;
    return dispatch;
}

void COleDispatchDriver::ReleaseDispatch() {
    LPDISPATCH dispatch = DetachDispatch();
    if (dispatch && m_bAutoRelease)
        dispatch->Release();
}

namespace {

void invokeV(LPDISPATCH dispatch, DISPID dispid, WORD flags, VARTYPE vtRet, void* out,
             const BYTE* paramInfo, va_list args) {
    if (!dispatch)
        AfxThrowOleException(E_POINTER);
    CallArguments arguments;
    va_list copy;
    va_copy(copy, args);
    try {
        arguments.read(paramInfo, &copy);
    } catch (...) {
        va_end(copy);
        throw;
    }
    va_end(copy);
    const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    DISPPARAMS params = arguments.params(put);
    VARIANT result;
    VariantInit(&result);
    EXCEPINFO info{};
    UINT argErr = 0;
    HRESULT hr = dispatch->Invoke(dispid, IID_NULL, 0, flags, &params,
                                  vtRet == VT_EMPTY ? nullptr : &result, &info, &argErr);
    if (FAILED(hr)) {
        VariantClear(&result);
        throwFailure(hr, info);
    }
    storeResult(result, vtRet, out);
}

} // namespace

void COleDispatchDriver::InvokeHelper(DISPID dispid, WORD flags, VARTYPE vtRet, void* result,
                                      const BYTE* paramInfo, ...) {
    va_list args;
    va_start(args, paramInfo);
    try {
        invokeV(m_lpDispatch, dispid, flags, vtRet, result, paramInfo, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}

void COleDispatchDriver::SetProperty(DISPID dispid, VARTYPE vtProp, ...) {
    const BYTE info[2] = {static_cast<BYTE>(vtProp), 0};
    const WORD flags = vtProp == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    va_list args;
    // The framework's signature ends its named parameters with a VARTYPE,
    // which is promoted to int when passed; clang warns about that. The
    // arguments after it are read by their own types, so the promoted slot
    // itself is never read through va_arg.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wvarargs"
#endif
    va_start(args, vtProp);
#if defined(__clang__)
#pragma clang diagnostic pop
#endif
    try {
        invokeV(m_lpDispatch, dispid, flags, VT_EMPTY, nullptr, info, args);
    } catch (...) {
        va_end(args);
        throw;
    }
    va_end(args);
}

void COleDispatchDriver::GetProperty(DISPID dispid, VARTYPE vtProp, void* result) const {
    const_cast<COleDispatchDriver*>(this)->InvokeHelper(dispid, DISPATCH_PROPERTYGET, vtProp,
                                                        result, nullptr);
}
