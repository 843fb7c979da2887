// Transactions: objects got once per manager, held open until the transaction
// that got them ends.
#include "database/DbAccess.h"
#include "database/OpenRules.h"
#include "dbtrans.h"
#include "hxhost/HostControl.h"

#include <algorithm>

using hxhost::DbAccess;

AcTransaction::~AcTransaction() = default;

Acad::ErrorStatus AcTransaction::getObject(AcDbObject*& obj, AcDbObjectId id, AcDb::OpenMode mode,
                                           bool openErased) {
    obj = nullptr;
    if (m_manager->topTransaction() != this)
        return Acad::eNotTopTransaction;
    AcDbObject* held = DbAccess::objectOf(id);
    if (held != nullptr && m_manager->holder(held) != nullptr) {
        if (held->isErased() && !openErased)
            return Acad::eWasErased;
        if (mode == AcDb::kForWrite && !held->isWriteEnabled()) {
            const Acad::ErrorStatus es = held->upgradeOpen();
            if (es != Acad::eOk)
                return es;
        }
        obj = held;
        return Acad::eOk;
    }
    const Acad::ErrorStatus es = hxhost::openById(obj, id, mode, openErased, nullptr, true);
    if (es != Acad::eOk)
        return es;
    ++DbAccess::transactionHolds(*obj);
    m_objects.push_back(obj);
    return Acad::eOk;
}

void AcTransaction::closeAll() {
    for (AcDbObject* obj : m_objects) {
        --DbAccess::transactionHolds(*obj);
        hxhost::releaseOpen(*obj);
    }
    m_objects.clear();
}

AcDbTransactionManager::~AcDbTransactionManager() {
    while (!m_stack.empty())
        finishTop();
}

AcTransaction* AcDbTransactionManager::startTransaction() {
    if (hxhost::shouldFail(hxhost::kFaultTransaction))
        return nullptr;
    m_stack.push_back(std::unique_ptr<AcTransaction>(new AcTransaction(this)));
    hxhost::acquired(hxhost::Resource::Transaction);
    return m_stack.back().get();
}

Acad::ErrorStatus AcDbTransactionManager::endTransaction() {
    return finishTop();
}

Acad::ErrorStatus AcDbTransactionManager::abortTransaction() {
    return finishTop();
}

int AcDbTransactionManager::numActiveTransactions() {
    return static_cast<int>(m_stack.size());
}

AcTransaction* AcDbTransactionManager::topTransaction() {
    return m_stack.empty() ? nullptr : m_stack.back().get();
}

Acad::ErrorStatus AcDbTransactionManager::getObject(AcDbObject*& obj, AcDbObjectId id,
                                                    AcDb::OpenMode mode, bool openErased) {
    obj = nullptr;
    if (m_stack.empty())
        return Acad::eNoActiveTransactions;
    return m_stack.back()->getObject(obj, id, mode, openErased);
}

AcTransaction* AcDbTransactionManager::holder(const AcDbObject* obj) const {
    for (const auto& transaction : m_stack) {
        const auto& objects = transaction->m_objects;
        if (std::find(objects.begin(), objects.end(), obj) != objects.end())
            return transaction.get();
    }
    return nullptr;
}

Acad::ErrorStatus AcDbTransactionManager::finishTop() {
    if (m_stack.empty())
        return Acad::eNoActiveTransactions;
    m_stack.back()->closeAll();
    m_stack.pop_back();
    hxhost::released(hxhost::Resource::Transaction);
    return Acad::eOk;
}
