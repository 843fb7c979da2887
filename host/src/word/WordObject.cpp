// The dispatch base of Word's objects: reference counts on the ledger, errors
// as DISP_E_EXCEPTION with Word's number and text, arguments and results.
#include "WordObject.h"

#include "hxhost/HostControl.h"
#include "hxhost/Word.h"

namespace hxword {
namespace {

std::vector<std::string>& releaseLog() {
    static std::vector<std::string> s_log;
    return s_log;
}

// A by-reference argument's variant; a null reference counts as left out.
const VARIANT& deref(const VARIANT& v) {
    static const VARIANT s_empty{};
    if (v.vt != (VT_BYREF | VT_VARIANT))
        return v;
    return v.pvarVal ? *v.pvarVal : s_empty;
}

BSTR bstr(const std::wstring& text) {
    return SysAllocStringLen(text.data(), UINT(text.size()));
}

void fillException(EXCEPINFO* info, const WordError& e) {
    if (!info)
        return;
    *info = EXCEPINFO{};
    info->scode = MAKE_HRESULT(1, 10, e.code); // FACILITY_CONTROL, as Word reports
    info->bstrSource = bstr(L"Microsoft Word");
    info->bstrDescription = bstr(e.text);
}

} // namespace

WordObject::WordObject(SessionRef session, const char* kind)
    : m_session(std::move(session)), m_kind(kind) {
    hxhost::acquired(hxhost::Resource::Dispatch);
}

WordObject::~WordObject() {
    hxhost::released(hxhost::Resource::Dispatch);
}

HRESULT WordObject::QueryInterface(REFIID, void** object) {
    if (!object)
        return E_POINTER;
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

ULONG WordObject::AddRef() {
    return ++m_refs;
}

ULONG WordObject::Release() {
    if (--m_refs > 0)
        return m_refs;
    releaseLog().push_back(m_kind);
    delete this;
    return 0;
}

HRESULT WordObject::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params,
                           VARIANT* result, EXCEPINFO* excepInfo, UINT*) {
    if (hxhost::shouldFail(hxhost::kFaultInvoke))
        return RPC_E_DISCONNECTED;
    try {
        Args args(params);
        call(member, flags, args, result);
        return S_OK;
    } catch (const WordError& e) {
        if (result)
            VariantClear(result);
        fillException(excepInfo, e);
        return DISP_E_EXCEPTION;
    } catch (const BadArgument& e) {
        if (result)
            VariantClear(result);
        return e.hr;
    }
}

bool Args::missing(UINT i) const {
    if (i >= count())
        return true;
    const VARIANT& v = at(i);
    return v.vt == VT_EMPTY || (v.vt == VT_ERROR && v.scode == (SCODE)0x80020004u);
}

const VARIANT& Args::at(UINT i) const {
    if (i >= count())
        throw BadArgument{DISP_E_BADPARAMCOUNT};
    return deref(m_params->rgvarg[m_params->cArgs - 1 - i]);
}

long Args::asLong(UINT i) const {
    const VARIANT& v = at(i);
    if (v.vt == VT_I4)
        return v.lVal;
    if (v.vt == VT_I2)
        return v.iVal;
    if (v.vt == VT_BOOL)
        return v.boolVal ? -1 : 0;
    throw BadArgument{DISP_E_TYPEMISMATCH};
}

bool Args::asBool(UINT i) const {
    return asLong(i) != 0;
}

std::wstring Args::asString(UINT i) const {
    const VARIANT& v = at(i);
    if (v.vt != VT_BSTR)
        throw BadArgument{DISP_E_TYPEMISMATCH};
    return v.bstrVal ? std::wstring(v.bstrVal, SysStringLen(v.bstrVal)) : std::wstring();
}

IDispatch* Args::asDispatch(UINT i) const {
    const VARIANT& v = at(i);
    if (v.vt != VT_DISPATCH || !v.pdispVal)
        throw BadArgument{DISP_E_TYPEMISMATCH};
    return v.pdispVal;
}

void returnObject(VARIANT* result, WordObject* object) {
    if (!result) {
        object->Release();
        return;
    }
    result->vt = VT_DISPATCH;
    result->pdispVal = object;
}

void returnString(VARIANT* result, const std::wstring& text) {
    if (!result)
        return;
    BSTR s = bstr(text);
    if (!s)
        throw BadArgument{E_OUTOFMEMORY};
    result->vt = VT_BSTR;
    result->bstrVal = s;
}

void returnLong(VARIANT* result, long value) {
    if (result)
        result->vt = VT_I4, result->lVal = value;
}

void returnBool(VARIANT* result, bool value) {
    if (result)
        result->vt = VT_BOOL, result->boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

bool isGet(WORD flags) {
    return (flags & (DISPATCH_PROPERTYGET | DISPATCH_METHOD)) != 0;
}
bool isPut(WORD flags) {
    return (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
}

Document& openDoc(const DocRef& doc) {
    if (!doc || !doc->open)
        throw objectDeleted();
    return *doc->doc;
}

} // namespace hxword

namespace hxhost {

IDispatch* startWord() {
    if (shouldFail(kFaultWordStart))
        return nullptr;
    return hxword::newApplication(std::make_shared<hxword::Session>());
}

std::vector<std::string> wordReleases() {
    return hxword::releaseLog();
}
void clearWordReleases() {
    hxword::releaseLog().clear();
}

} // namespace hxhost
