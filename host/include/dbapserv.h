// AcDbHostApplicationServices: the host's services to the database, here the
// working database, which host calls without a database argument use
// (acdbTblSearch, acdbRegApp, xdata checks of new objects). The services
// object lives as long as the process; the working database is not owned by it
// and becomes null when that database is deleted.
#pragma once

#include "acdb.h"
#include "rxobject.h"

class AcDbDatabase;

class HX_DB_API AcDbHostApplicationServices : public AcRxObject {
public:
    AcDbDatabase* workingDatabase() const { return m_working; }
    // Any database (or null); making a document current also makes its
    // database the working one.
    void setWorkingDatabase(AcDbDatabase* db) { m_working = db; }

private:
    AcDbDatabase* m_working = nullptr;
};

HX_DB_API AcDbHostApplicationServices* acdbHostApplicationServices();
