// Documents and their manager: current document, locks.
#include "database/DbAccess.h"
#include "acdocman.h"
#include "dbapserv.h"
#include "dbmain.h"
#include "dbtrans.h"
#include "hxhost/HostControl.h"

#include <algorithm>

AcApDocument::AcApDocument(std::wstring fileName)
    : m_fileName(std::move(fileName)), m_database(std::make_unique<AcDbDatabase>()) {}

AcApDocument::~AcApDocument() {
    hxhost::released(hxhost::Resource::DocumentLock, static_cast<int>(m_locks.size()));
}

AcTransactionManager* AcApDocument::transactionManager() const {
    return static_cast<AcTransactionManager*>(m_database->transactionManager());
}

AcAp::DocLockMode AcApDocument::lockMode(bool) const {
    return m_locks.empty() ? AcAp::kNotLocked : m_locks.back();
}

bool AcApDocManager::manages(const AcApDocument* doc) const {
    return doc != nullptr &&
           std::any_of(m_documents.begin(), m_documents.end(),
                       [doc](const std::unique_ptr<AcApDocument>& d) { return d.get() == doc; });
}

Acad::ErrorStatus AcApDocManager::setCurDocument(AcApDocument* doc, AcAp::DocLockMode mode, bool) {
    if (!manages(doc))
        return Acad::eNoDocument;
    if (mode != AcAp::kNone) {
        const Acad::ErrorStatus es = lockDocument(doc, mode);
        if (es != Acad::eOk)
            return es;
    }
    m_current = doc;
    acdbHostApplicationServices()->setWorkingDatabase(doc->database());
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::lockDocument(AcApDocument* doc, AcAp::DocLockMode mode,
                                               const ACHAR*, const ACHAR*, bool) {
    if (!manages(doc))
        return Acad::eNoDocument;
    if (mode == AcAp::kNone || mode == AcAp::kNotLocked)
        return Acad::eInvalidInput;
    if (hxhost::shouldFail(hxhost::kFaultLock))
        return Acad::eLockViolation;
    doc->m_locks.push_back(mode);
    hxhost::acquired(hxhost::Resource::DocumentLock);
    return Acad::eOk;
}

Acad::ErrorStatus AcApDocManager::unlockDocument(AcApDocument* doc) {
    if (!manages(doc))
        return Acad::eNoDocument;
    if (doc->m_locks.empty())
        return Acad::eLockViolation;
    doc->m_locks.pop_back();
    hxhost::released(hxhost::Resource::DocumentLock);
    return Acad::eOk;
}

namespace hxhost {

AcApDocument* DbAccess::openDocument(AcApDocManager& manager, const std::wstring& fileName) {
    manager.m_documents.push_back(std::unique_ptr<AcApDocument>(new AcApDocument(fileName)));
    return manager.m_documents.back().get();
}

Acad::ErrorStatus DbAccess::closeDocument(AcApDocManager& manager, AcApDocument* doc) {
    auto& docs = manager.m_documents;
    auto it = std::find_if(docs.begin(), docs.end(), [doc](const std::unique_ptr<AcApDocument>& d) {
        return d.get() == doc;
    });
    if (doc == nullptr || it == docs.end())
        return Acad::eNoDocument;
    std::unique_ptr<AcApDocument> closing = std::move(*it);
    docs.erase(it);
    if (manager.m_current == doc) {
        manager.m_current = nullptr;
        if (!docs.empty())
            manager.setCurDocument(docs.back().get());
    }
    closing.reset();
    return Acad::eOk;
}

} // namespace hxhost
