// Documents: AcApDocManager (the open drawings and the current one) and
// AcApDocument (one drawing: its database, transaction manager and locks).
//
// Ownership: the manager lives as long as the process and owns its documents;
// a document owns its database. Documents are opened and closed by the
// stand-in's control functions (hxhost/Drawing.h). Each lock taken with
// lockDocument counts in the stand-in's ledger until unlockDocument. Locks
// nest (all callers share the command thread); the innermost one gives the
// document's lock mode.
#pragma once

#include "acadstrc.h"
#include "acdb.h"
#include "dbtrans.h"
#include "rxobject.h"

#include <memory>
#include <string>
#include <vector>

class AcDbDatabase;
namespace hxhost {
class DbAccess;
} // namespace hxhost

namespace AcAp {
enum DocLockMode {
    kNone = 0,
    kAutoWrite = 1,
    kNotLocked = 2,
    kWrite = 4,
    kProtectedAutoWrite = 0x14,
    kRead = 0x20,
    kXWrite = 0x40
};
} // namespace AcAp

class HX_DB_API AcApDocument : public AcRxObject {
public:
    ~AcApDocument() override;
    AcApDocument(const AcApDocument&) = delete;
    AcApDocument& operator=(const AcApDocument&) = delete;

    AcDbDatabase* database() const { return m_database.get(); }
    // The database's transaction manager.
    AcTransactionManager* transactionManager() const;
    const ACHAR* fileName() const { return m_fileName.c_str(); }
    // The mode of the innermost lock, kNotLocked when none is held.
    AcAp::DocLockMode lockMode(bool includeMyLocks = false) const;
    AcAp::DocLockMode myLockMode() const { return lockMode(true); }

private:
    friend class AcApDocManager;
    friend class hxhost::DbAccess;
    explicit AcApDocument(std::wstring fileName);

    std::wstring m_fileName;
    std::unique_ptr<AcDbDatabase> m_database;
    std::vector<AcAp::DocLockMode> m_locks;
};

class HX_DB_API AcApDocManager : public AcRxObject {
public:
    AcApDocManager() = default;
    AcApDocManager(const AcApDocManager&) = delete;
    AcApDocManager& operator=(const AcApDocManager&) = delete;

    // The current document (null when none is open).
    AcApDocument* curDocument() const { return m_current; }
    AcApDocument* mdiActiveDocument() const { return m_current; }
    int documentCount() const { return static_cast<int>(m_documents.size()); }
    // Makes doc current and its database the working one; with a mode other
    // than kNone also locks it. Null or foreign doc eNoDocument.
    Acad::ErrorStatus setCurDocument(AcApDocument* doc, AcAp::DocLockMode mode = AcAp::kNone,
                                     bool activate = false);
    // Locks doc. Null or foreign doc eNoDocument; kNone or kNotLocked
    // eInvalidInput; refused (fault "lockDocument") eLockViolation.
    Acad::ErrorStatus lockDocument(AcApDocument* doc, AcAp::DocLockMode mode = AcAp::kWrite,
                                   const ACHAR* globalCmdName = nullptr,
                                   const ACHAR* localCmdName = nullptr, bool prompt = true);
    // Releases the innermost lock. Null or foreign doc eNoDocument; no lock
    // held eLockViolation.
    Acad::ErrorStatus unlockDocument(AcApDocument* doc);

private:
    friend class hxhost::DbAccess;
    bool manages(const AcApDocument* doc) const;

    std::vector<std::unique_ptr<AcApDocument>> m_documents;
    AcApDocument* m_current = nullptr;
};

// The document manager of the process.
HX_DB_API AcApDocManager* acDocManagerPtr();
#define acDocManager acDocManagerPtr()
