// Application, Documents and Document: starting documents from templates,
// the active document, saving and closing.
#include "Utf.h"
#include "WordObject.h"
#include "hxhost/WordTypeLib.h"

#include <algorithm>

using namespace wordlib;

namespace hxword {
namespace {

DocRef activeDoc(const SessionRef& s) {
    if (!s->active)
        throw noDocument();
    return s->active;
}

class Application : public WordObject {
public:
    explicit Application(SessionRef s) : WordObject(std::move(s), "Application") {}

protected:
    void call(DISPID member, WORD flags, const Args&, VARIANT* result) override {
        if (!isGet(flags))
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        switch (member) {
        case kAppDocuments:
            return returnObject(result, newDocuments(session()));
        case kAppActiveDocument:
            return returnObject(result, newDocument(session(), activeDoc(session())));
        case kAppSelection:
            return returnObject(result, newSelection(session(), activeDoc(session())));
        default:
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        }
    }
};

class Documents : public WordObject {
public:
    explicit Documents(SessionRef s) : WordObject(std::move(s), "Documents") {}

protected:
    void call(DISPID member, WORD, const Args& args, VARIANT* result) override {
        switch (member) {
        case kDocsAdd:
            return returnObject(result, newDocument(session(), add(args)));
        case kDocsCount:
            return returnLong(result, long(session()->documents.size()));
        case kDocsItem:
            return returnObject(result, newDocument(session(), item(args)));
        default:
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        }
    }

private:
    DocRef add(const Args& args) {
        if (args.missing(0))
            throw commandNotAvailable(); // this Word has no Normal template
        const std::string path = toUtf8(args.asString(0));
        const bool asTemplate = !args.missing(1) && args.asBool(1);
        auto state = std::make_shared<DocState>();
        state->doc = Document::fromTemplate(path, asTemplate);
        state->name = L"Document" + std::to_wstring(++session()->made);
        session()->documents.push_back(state);
        session()->active = state;
        return state;
    }

    DocRef item(const Args& args) {
        const auto& docs = session()->documents;
        if (args.at(0).vt == VT_BSTR) {
            std::wstring name = args.asString(0);
            for (const DocRef& d : docs)
                if (d->name == name)
                    return d;
            throw noSuchMember();
        }
        long index = args.asLong(0);
        if (index < 1 || index > long(docs.size()))
            throw noSuchMember();
        return docs[size_t(index - 1)];
    }
};

class DocumentObject : public WordObject {
public:
    DocumentObject(SessionRef s, DocRef doc) : WordObject(std::move(s), "Document"), m_doc(doc) {}

protected:
    void call(DISPID member, WORD, const Args& args, VARIANT* result) override {
        Document& doc = openDoc(m_doc);
        switch (member) {
        case kDocName:
            return returnString(result, m_doc->name);
        case kDocBookmarks:
            return returnObject(result, newBookmarks(session(), m_doc));
        case kDocTables:
            return returnObject(result, newTables(session(), m_doc));
        case kDocContent:
            return returnObject(result, newRange(session(), m_doc, 0, doc.storyEnd()));
        case kDocSaveAs:
            if (!args.missing(0))
                doc.saveAs(toUtf8(args.asString(0)));
            return;
        case kDocClose:
            return close();
        default:
            throw BadArgument{DISP_E_MEMBERNOTFOUND};
        }
    }

private:
    // Closes without saving; the last document left becomes the active one.
    void close() {
        auto& docs = session()->documents;
        docs.erase(std::remove(docs.begin(), docs.end(), m_doc), docs.end());
        m_doc->open = false;
        if (session()->active == m_doc)
            session()->active = docs.empty() ? DocRef() : docs.back();
    }

    DocRef m_doc;
};

} // namespace

WordObject* newApplication(SessionRef s) {
    return new Application(std::move(s));
}
WordObject* newDocuments(SessionRef s) {
    return new Documents(std::move(s));
}
WordObject* newDocument(SessionRef s, DocRef doc) {
    return new DocumentObject(std::move(s), std::move(doc));
}

} // namespace hxword
