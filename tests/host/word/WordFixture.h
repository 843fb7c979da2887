// Word started through the base module's wrappers, with helpers to make a
// document from a test template and to catch Word's errors.
#pragma once

#include "HostTest.h"
#include "WordTemplates.h"

#include "HxAecUtility.h"
#include "hxhost/Word.h"

#include <functional>

class WordTest : public HostTest {
protected:
    void SetUp() override {
        app.AttachDispatch(hxhost::startWord());
        docs.AttachDispatch(app.GetDocuments());
    }
    void TearDown() override {
        docs.ReleaseDispatch();
        app.ReleaseDispatch();
        HostTest::TearDown();
    }
    // A new document from a template with this body.
    _Document open(const std::string& body) {
        TestTemplate t("word.dotx", body);
        VARIANT path;
        VariantInit(&path);
        path.vt = VT_BSTR;
        path.bstrVal = SysAllocString(t.widePath().c_str());
        try {
            _Document doc(docs.Add(&path, nullptr));
            VariantClear(&path);
            return doc;
        } catch (...) {
            VariantClear(&path);
            throw;
        }
    }
    _Application app;
    Documents docs;
};

// Word's error number from the dispatch exception `call` throws (0 when it
// throws none, -1 for another exception); the text goes to *text.
inline long wordError(const std::function<void()>& call, CString* text = nullptr) {
    try {
        call();
        return 0;
    } catch (COleDispatchException* e) {
        long code = e->m_scError & 0xFFFF;
        if (text)
            *text = e->m_strDescription;
        e->Delete();
        return code;
    } catch (CException* e) {
        e->Delete();
        return -1;
    }
}

// A variant naming a bookmark (the caller clears it) or giving an index.
inline VARIANT nameVariant(const wchar_t* name) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocString(name);
    return v;
}
inline VARIANT indexVariant(long index) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = index;
    return v;
}
