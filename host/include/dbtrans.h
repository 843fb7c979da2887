// Transactions: AcTransaction and the managers that run them
// (AcDbTransactionManager, and AcTransactionManager, the document's kind).
//
// A transaction holds the objects got through it open until it ends; ending it
// (commit) and aborting it both close them (the stand-in keeps no undo, so an
// abort keeps the changes). Transactions nest; an object is got once: a later
// getObject of an object that an active transaction of the same manager holds
// hands out the same open object, upgraded to write when write is asked.
//
// Ownership: a database owns its manager; the manager owns its transactions,
// which die when ended or aborted (their pointers then dangle). Each live
// transaction counts in the stand-in's ledger.
#pragma once

#include "acdb.h"
#include "dbmain.h"

#include <memory>
#include <vector>

class AcDbTransactionManager;

class HX_DB_API AcTransaction : public AcRxObject {
public:
    ~AcTransaction() override;
    AcTransaction(const AcTransaction&) = delete;
    AcTransaction& operator=(const AcTransaction&) = delete;

    // Gets an object through this transaction, which must be the top one
    // (eNotTopTransaction). Open rules and statuses as acdbOpenObject; obj is
    // null on failure.
    Acad::ErrorStatus getObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                bool openErased = false);
    // How many objects this transaction opened.
    int numOpenedObjects() const { return static_cast<int>(m_objects.size()); }

private:
    friend class AcDbTransactionManager;
    explicit AcTransaction(AcDbTransactionManager* manager) : m_manager(manager) {}
    // Closes every object the transaction opened.
    void closeAll();

    AcDbTransactionManager* m_manager;
    std::vector<AcDbObject*> m_objects;
};

class HX_DB_API AcDbTransactionManager : public AcRxObject {
public:
    AcDbTransactionManager() = default;
    // Aborts the transactions still running.
    ~AcDbTransactionManager() override;
    AcDbTransactionManager(const AcDbTransactionManager&) = delete;
    AcDbTransactionManager& operator=(const AcDbTransactionManager&) = delete;

    // A new top transaction; null when refused (fault "startTransaction").
    virtual AcTransaction* startTransaction();
    // Commits the top transaction: closes its objects and deletes it.
    // eNoActiveTransactions when none runs.
    virtual Acad::ErrorStatus endTransaction();
    // As endTransaction (changes are kept: the stand-in has no undo).
    virtual Acad::ErrorStatus abortTransaction();
    virtual int numActiveTransactions();
    // The innermost running transaction, or null.
    virtual AcTransaction* topTransaction();
    // getObject of the top transaction; eNoActiveTransactions when none runs.
    virtual Acad::ErrorStatus getObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                        bool openErased = false);

private:
    friend class AcTransaction;
    // The running transaction that holds obj, or null.
    AcTransaction* holder(const AcDbObject* obj) const;
    Acad::ErrorStatus finishTop();

    std::vector<std::unique_ptr<AcTransaction>> m_stack;
};

class HX_DB_API AcTransactionManager : public AcDbTransactionManager {
public:
    AcTransactionManager() = default;
};
