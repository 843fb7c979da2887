// HxWtSetHandleXdata and HxWtGetHandleXdata: a reference to another object of
// the drawing kept as xdata, 1001 application name and 1005 handle text.
#include "HxWtXdata.h"

namespace {

// True when appName is in the working drawing's APPID table.
bool IsRegistered(const wchar_t* appName) {
    resbuf* found = acdbTblSearch(L"APPID", appName, 0);
    if (found == nullptr)
        return false;
    acutRelRb(found);
    return true;
}

// The handle of refId as hex text (at most 16 digits); false when refId does
// not open.
bool HandleText(AcDbObjectId refId, ACHAR (&text)[17]) {
    AcDbObject* ref = nullptr;
    if (acdbOpenObject(ref, refId, AcDb::kForRead, false) != Acad::eOk)
        return false;
    AcDbHandle handle;
    ref->getAcDbHandle(handle);
    ref->close();
    handle.getIntoAsciiBuffer(text);
    return true;
}

// The text of the chain's first 1005 item, empty when there is none.
CString FirstHandleText(const resbuf* chain) {
    for (const resbuf* item = chain; item != nullptr; item = item->rbnext) {
        if (item->restype == 1005)
            return CString(item->resval.rstring);
    }
    return CString();
}

} // namespace

int HxWtSetHandleXdata(AcDbObject* obj, wchar_t* appName, AcDbObjectId refId) {
    if (obj == nullptr || appName == nullptr)
        return 0;
    if (!IsRegistered(appName) && acdbRegApp(appName) != RTNORM)
        return 0;
    ACHAR text[17] = {};
    if (!HandleText(refId, text))
        return 0;
    resbuf* chain = acutBuildList(1001, appName, 1005, text, 0);
    if (chain == nullptr)
        return 0;
    const Acad::ErrorStatus stored = obj->setXData(chain);
    acutRelRb(chain);
    return stored == Acad::eOk ? 1 : 0;
}

int HxWtSetHandleXdata(AcDbObjectId id, wchar_t* appName, AcDbObjectId refId) {
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, id, AcDb::kForWrite, false) != Acad::eOk)
        return 0;
    const int result = HxWtSetHandleXdata(obj, appName, refId);
    obj->close();
    return result;
}

int HxWtGetHandleXdata(AcDbObject* obj, wchar_t* appName, AcDbObjectId& refId) {
    if (obj == nullptr || appName == nullptr || !IsRegistered(appName))
        return 0;
    resbuf* chain = obj->xData(appName);
    if (chain == nullptr)
        return 0;
    const CString text = FirstHandleText(chain);
    acutRelRb(chain);
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    if (db == nullptr)
        return 0;
    const AcDbHandle handle(text.GetString());
    return db->getAcDbObjectId(refId, false, handle, 0) == Acad::eOk ? 1 : 0;
}

int HxWtGetHandleXdata(AcDbObjectId id, wchar_t* appName, AcDbObjectId& refId) {
    AcDbObject* obj = nullptr;
    if (acdbOpenObject(obj, id, AcDb::kForRead, false) != Acad::eOk)
        return 0;
    const int result = HxWtGetHandleXdata(obj, appName, refId);
    obj->close();
    return result;
}
