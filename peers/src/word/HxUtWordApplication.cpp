// HxUtWordApplication: starts the in-process Word and holds its application
// and document collection.
#include "HxAecUtility.h"
#include "hxhost/Word.h"

HxUtWordApplication::HxUtWordApplication() {
    LPDISPATCH word = hxhost::startWord();
    if (!word)
        return;
    m_application.AttachDispatch(word);
    try {
        m_documents.AttachDispatch(m_application.GetDocuments());
    } catch (CException* e) { // Word went away at once: the members stay empty
        e->Delete();
        m_application.ReleaseDispatch();
    }
}

HxUtWordApplication::HxUtWordApplication(const HxUtWordApplication& other)
    : m_application(other.m_application), m_documents(other.m_documents),
      m_document(other.m_document) {}

HxUtWordApplication& HxUtWordApplication::operator=(const HxUtWordApplication& other) {
    m_application = other.m_application;
    m_documents = other.m_documents;
    m_document = other.m_document;
    return *this;
}

HxUtWordApplication::~HxUtWordApplication() = default;
