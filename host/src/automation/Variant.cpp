// Variants: initialising, clearing (freeing what they own) and copying.
#include "oleauto.h"

void VariantInit(VARIANTARG* v) {
    v->vt = VT_EMPTY;
    v->wReserved1 = v->wReserved2 = v->wReserved3 = 0;
    v->dblVal = 0.0;
}

HRESULT VariantClear(VARIANTARG* v) {
    if (!v)
        return E_INVALIDARG;
    if (v->vt == VT_BSTR)
        SysFreeString(v->bstrVal);
    else if (v->vt == VT_DISPATCH && v->pdispVal)
        v->pdispVal->Release();
    VariantInit(v);
    return S_OK;
}

HRESULT VariantCopy(VARIANTARG* dest, const VARIANTARG* src) {
    if (!dest || !src)
        return E_INVALIDARG;
    if (dest == src)
        return S_OK;
    VariantClear(dest);
    if (src->vt == VT_BSTR && src->bstrVal) {
        BSTR copy = SysAllocStringLen(src->bstrVal, SysStringLen(src->bstrVal));
        if (!copy)
            return E_OUTOFMEMORY;
        *dest = *src;
        dest->bstrVal = copy;
        return S_OK;
    }
    *dest = *src;
    if (src->vt == VT_DISPATCH && src->pdispVal)
        src->pdispVal->AddRef();
    return S_OK;
}
