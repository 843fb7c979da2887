// acdbTblSearch and acdbRegApp: the C interface to the symbol tables of the
// working database.
#include "database/DbAccess.h"
#include "database/ResbufAlloc.h"
#include "database/SymbolNames.h"
#include "acedads.h"
#include "acutads.h"
#include "dbapserv.h"
#include "hxhost/HostControl.h"

using hxhost::DbAccess;

namespace {

struct TableKind {
    const ACHAR* name;
    AcDbObjectId (AcDbDatabase::*tableId)() const;
};

constexpr TableKind kTables[] = {
    {L"APPID", &AcDbDatabase::regAppTableId},
    {L"LAYER", &AcDbDatabase::layerTableId},
    {L"BLOCK", &AcDbDatabase::blockTableId},
};

const TableKind* tableKind(const ACHAR* name) {
    for (const TableKind& kind : kTables) {
        if (hxhost::sameName(kind.name, name))
            return &kind;
    }
    return nullptr;
}

// The 70 flags of a record: 4 for a locked layer.
short recordFlags(const AcDbObject& rec) {
    const auto* layer = AcDbLayerTableRecord::cast(&rec);
    return layer != nullptr && layer->isLocked() ? 4 : 0;
}

// The result chain of a found record; null when memory runs out.
resbuf* describe(const TableKind& kind, AcDbObjectId id, const AcDbSymbolTableRecord& rec) {
    resbuf* head = hxhost::newRb(-1);
    resbuf* table = head ? (head->rbnext = hxhost::newRb(0)) : nullptr;
    resbuf* recName = table ? (table->rbnext = hxhost::newRb(2)) : nullptr;
    resbuf* flags = recName ? (recName->rbnext = hxhost::newRb(70)) : nullptr;
    if (flags == nullptr) {
        acutRelRb(head);
        return nullptr;
    }
    acdbGetAdsName(head->resval.rlname, id);
    table->resval.rstring = hxhost::mallocCopy(kind.name);
    recName->resval.rstring = hxhost::mallocCopy(DbAccess::name(rec).c_str());
    flags->resval.rint = recordFlags(rec);
    if (table->resval.rstring == nullptr || recName->resval.rstring == nullptr) {
        acutRelRb(head);
        return nullptr;
    }
    return head;
}

} // namespace

resbuf* acdbTblSearch(const ACHAR* tblname, const ACHAR* sym, int) {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    const TableKind* kind = tableKind(tblname);
    if (db == nullptr || kind == nullptr || sym == nullptr)
        return nullptr;
    auto* table = AcDbSymbolTable::cast(DbAccess::objectOf((db->*kind->tableId)()));
    if (table == nullptr)
        return nullptr;
    const AcDbObjectId id = hxhost::findRecord(*table, sym, false);
    auto* rec = AcDbSymbolTableRecord::cast(DbAccess::objectOf(id));
    return rec == nullptr ? nullptr : describe(*kind, id, *rec);
}

int acdbRegApp(const ACHAR* appname) {
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    if (db == nullptr || !hxhost::isValidSymbolName(appname) || appname[0] == L'*')
        return RTERROR;
    if (hxhost::shouldFail(hxhost::kFaultRegApp))
        return RTERROR;
    AcDbRegAppTable* table = nullptr;
    if (db->getRegAppTable(table, AcDb::kForWrite) != Acad::eOk)
        return RTERROR;
    auto* rec = new AcDbRegAppTableRecord;
    rec->setName(appname);
    const Acad::ErrorStatus es = table->add(rec);
    table->close();
    if (es != Acad::eOk) {
        delete rec;
        return RTERROR;
    }
    rec->close();
    return RTNORM;
}
