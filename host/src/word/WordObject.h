// The automation objects of the in-process Word: a reference-counted
// IDispatch base that turns WordError into DISP_E_EXCEPTION with Word's
// number and text, argument readers, and the Word session they share.
//
// Every object holds the session, so Word lives while any of its objects is
// referenced; documents are shared by the objects that refer to them and
// marked closed when Word closes them.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Document.h"
#include "WordError.h"
#include "oaidl.h"

namespace hxword {

struct DocState {
    std::unique_ptr<Document> doc;
    std::wstring name;
    int selStart = 0, selEnd = 0;
    bool open = true;
};
typedef std::shared_ptr<DocState> DocRef;

struct Session {
    std::vector<DocRef> documents; // in the order they were made
    DocRef active;
    int made = 0;
};
typedef std::shared_ptr<Session> SessionRef;

// A failed argument: the HRESULT Invoke answers with.
struct BadArgument {
    HRESULT hr;
};

// The arguments of one call in call order (DISPPARAMS holds them reversed),
// references followed.
class Args {
public:
    explicit Args(const DISPPARAMS* params) : m_params(params) {}
    UINT count() const { return m_params ? m_params->cArgs : 0; }
    bool missing(UINT i) const;
    const VARIANT& at(UINT i) const;
    long asLong(UINT i) const;
    bool asBool(UINT i) const;
    std::wstring asString(UINT i) const;
    IDispatch* asDispatch(UINT i) const;
    // The value of a property put.
    const VARIANT& value() const { return at(count() - 1); }

private:
    const DISPPARAMS* m_params;
};

class WordObject : public IDispatch {
public:
    WordObject(SessionRef session, const char* kind);
    virtual ~WordObject();
    WordObject(const WordObject&) = delete;
    WordObject& operator=(const WordObject&) = delete;

    HRESULT QueryInterface(REFIID riid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    HRESULT Invoke(DISPID member, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                   VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr) override;

protected:
    // Runs the member; throws WordError or BadArgument.
    virtual void call(DISPID member, WORD flags, const Args& args, VARIANT* result) = 0;
    const SessionRef& session() const { return m_session; }

private:
    SessionRef m_session;
    const char* m_kind;
    ULONG m_refs = 1;
};

// Results of a call.
void returnObject(VARIANT* result, WordObject* object);
void returnString(VARIANT* result, const std::wstring& text);
void returnLong(VARIANT* result, long value);
void returnBool(VARIANT* result, bool value);

bool isGet(WORD flags);
bool isPut(WORD flags);
// The document, or Word's error when it has been closed.
Document& openDoc(const DocRef& doc);

// The objects; each is made with one reference for the caller.
WordObject* newApplication(SessionRef s);
WordObject* newDocuments(SessionRef s);
WordObject* newDocument(SessionRef s, DocRef doc);
WordObject* newTables(SessionRef s, DocRef doc);
WordObject* newTable(SessionRef s, DocRef doc, pugi::xml_node tbl);
WordObject* newCell(SessionRef s, DocRef doc, pugi::xml_node tc);
WordObject* newBorders(SessionRef s, DocRef doc, pugi::xml_node owner);
WordObject* newRange(SessionRef s, DocRef doc, int start, int end);
WordObject* newSelection(SessionRef s, DocRef doc);
WordObject* newParagraphFormat(SessionRef s, DocRef doc, int start, int end);
WordObject* newBookmarks(SessionRef s, DocRef doc);
WordObject* newBookmark(SessionRef s, DocRef doc, const std::string& name);

// The range object behind a dispatch of this Word, or null.

bool rangeOf(IDispatch* dispatch, DocRef& doc, int& start, int& end);
// The border owner (table or cell) behind a Borders dispatch, or null.
pugi::xml_node bordersOwner(IDispatch* dispatch);

} // namespace hxword
