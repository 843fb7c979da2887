// BSTR and VARIANT ownership, COleDispatchDriver's references and calls, and
// the framework's exceptions, against a recording dispatch object.
#include "HostTest.h"

#include "afxdisp.h"
#include "hxhost/HostControl.h"

#include <string>
#include <vector>

namespace {

using hxhost::outstanding;
using hxhost::Resource;

// Member 1 records its arguments and answers a string; member 2 raises an
// error through EXCEPINFO; member 3 fails with RPC_E_SERVERFAULT; member 4
// answers a dispatch (itself).
class Recorder : public IDispatch {
public:
    HRESULT QueryInterface(REFIID, void** out) override { return *out = this, AddRef(), S_OK; }
    ULONG AddRef() override { return ++refs; }
    ULONG Release() override { return --refs; }
    HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p, VARIANT* result,
                   EXCEPINFO* info, UINT*) override {
        lastFlags = flags;
        named = p->cNamedArgs ? p->rgdispidNamedArgs[0] : 0;
        types.clear();
        for (UINT i = p->cArgs; i-- > 0;)
            types.push_back(p->rgvarg[i].vt);
        if (id == 2) {
            info->scode = MAKE_HRESULT(1, 10, 5941);
            info->bstrSource = SysAllocString(L"Recorder");
            info->bstrDescription = SysAllocString(L"no such member");
            return DISP_E_EXCEPTION;
        }
        if (id == 3)
            return RPC_E_SERVERFAULT;
        if (id == 4 && result) {
            AddRef();
            result->vt = VT_DISPATCH, result->pdispVal = this;
        } else if (result) {
            result->vt = VT_BSTR, result->bstrVal = SysAllocString(L"answer");
        }
        return S_OK;
    }
    ULONG refs = 1;
    WORD lastFlags = 0;
    DISPID named = 0;
    std::vector<VARTYPE> types;
};

const BYTE kArgs[] = VTS_I4 VTS_BSTR VTS_BOOL VTS_PVARIANT;

TEST(Bstr, CountedUntilFreedAndKeepsEmbeddedZeros) {
    BSTR s = SysAllocStringLen(L"a\0b", 3);
    EXPECT_EQ(SysStringLen(s), 3u);
    EXPECT_EQ(outstanding(Resource::Bstr), 1);
    SysFreeString(s);
    SysFreeString(nullptr);
    EXPECT_EQ(outstanding(Resource::Bstr), 0);
    hxhost::failNext(hxhost::kFaultBstrAlloc);
    EXPECT_EQ(SysAllocString(L"x"), nullptr);
    EXPECT_EQ(outstanding(Resource::Bstr), 0);
}

TEST(Variant, ClearAndCopyOwnWhatTheyHold) {
    Recorder r;
    VARIANT a, b, d;
    VariantInit(&a), VariantInit(&b), VariantInit(&d);
    a.vt = VT_BSTR, a.bstrVal = SysAllocString(L"text");
    ASSERT_EQ(VariantCopy(&b, &a), S_OK);
    EXPECT_NE(a.bstrVal, b.bstrVal);
    EXPECT_EQ(outstanding(Resource::Bstr), 2);
    d.vt = VT_DISPATCH, d.pdispVal = &r;
    r.AddRef();
    ASSERT_EQ(VariantCopy(&b, &d), S_OK); // frees b's string first
    EXPECT_EQ(r.refs, 3u);
    for (VARIANT* v : {&a, &b, &d})
        VariantClear(v);
    EXPECT_EQ(r.refs, 1u);
    EXPECT_EQ(a.vt, VT_EMPTY);
}

TEST(DispatchDriver, CopiesAttachesAndReleasesReferences) {
    Recorder r;
    {
        COleDispatchDriver a(&r);
        COleDispatchDriver b(a);
        EXPECT_EQ(r.refs, 2u);
        COleDispatchDriver c;
        c = b;
        c = c;
        EXPECT_EQ(r.refs, 3u);
        c.ReleaseDispatch();
        c.ReleaseDispatch();
        EXPECT_EQ(r.refs, 2u);
        LPDISPATCH raw = b.DetachDispatch();
        EXPECT_EQ(raw, &r);
        c.AttachDispatch(raw);
        c.AttachDispatch(nullptr); // releases what it held
        EXPECT_EQ(r.refs, 1u);
        r.AddRef(); // for a's destructor
    }
    EXPECT_EQ(r.refs, 1u);
}

TEST(DispatchDriver, PassesArgumentsInOrderAndFreesItsStrings) {
    Recorder r;
    r.AddRef();
    COleDispatchDriver d(&r);
    VARIANT v;
    VariantInit(&v);
    CString answer;
    d.InvokeHelper(1, DISPATCH_METHOD, VT_BSTR, &answer, kArgs, 7L, L"s", TRUE, &v);
    EXPECT_EQ(answer, L"answer");
    EXPECT_EQ(r.types, (std::vector<VARTYPE>{VT_I4, VT_BSTR, VT_BOOL, VT_BYREF | VT_VARIANT}));
    d.SetProperty(1, VT_I4, 3L);
    EXPECT_EQ(r.lastFlags, DISPATCH_PROPERTYPUT);
    EXPECT_EQ(r.named, DISPID_PROPERTYPUT);
    LPDISPATCH self = nullptr;
    d.InvokeHelper(4, DISPATCH_PROPERTYGET, VT_DISPATCH, &self, nullptr);
    COleDispatchDriver owned(self);
    EXPECT_EQ(r.refs, 3u);
    EXPECT_EQ(outstanding(Resource::Bstr), 0);
}

TEST(DispatchDriver, ThrowsTheFrameworksExceptionsAndLeaksNothing) {
    Recorder r;
    r.AddRef();
    COleDispatchDriver d(&r);
    VARIANT v;
    VariantInit(&v);
    try {
        d.InvokeHelper(2, DISPATCH_METHOD, VT_EMPTY, nullptr, kArgs, 1L, L"s", FALSE, &v);
        FAIL() << "no exception";
    } catch (COleDispatchException* e) {
        EXPECT_EQ(e->m_scError & 0xFFFF, 5941);
        EXPECT_EQ(e->m_strSource, L"Recorder");
        EXPECT_EQ(e->m_strDescription, L"no such member");
        EXPECT_EQ(outstanding(Resource::Exception), 1);
        e->Delete();
    }
    struct Case {
        DISPID id;
        LPDISPATCH target;
        const char* fault;
        SCODE expected;
    };
    for (const Case& c :
         {Case{3, &r, nullptr, RPC_E_SERVERFAULT}, Case{1, nullptr, nullptr, E_POINTER}}) {
        COleDispatchDriver target(c.target, FALSE);
        try {
            target.InvokeHelper(c.id, DISPATCH_METHOD, VT_EMPTY, nullptr, kArgs, 1L, L"s", 0, &v);
            ADD_FAILURE() << c.id;
        } catch (COleException* e) {
            EXPECT_EQ(e->m_sc, c.expected);
            e->Delete();
        }
    }
    hxhost::failNext(hxhost::kFaultBstrAlloc);
    try {
        d.InvokeHelper(1, DISPATCH_METHOD, VT_EMPTY, nullptr, kArgs, 1L, L"s", 0, &v);
        ADD_FAILURE() << "no memory exception";
    } catch (CMemoryException* e) {
        e->Delete();
    }
    // The test main's ledger check: no string or exception is left.
}

} // namespace
