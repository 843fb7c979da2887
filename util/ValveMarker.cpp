// The valve size marker: found among a block's entities, read and written
// through the xdata text functions.
#include "ValveMarker.h"

#include "HxWtNumUtil.h"
#include "HxWtXdata.h"
#include "tchar.h"

namespace {

// The line's end points and id when ent is a line (closed either way).
bool TakeLine(AcDbEntity* ent, AcGePoint3d& start, AcGePoint3d& end, AcDbObjectId& id) {
    const AcDbLine* line = AcDbLine::cast(ent);
    if (line != nullptr) {
        start = line->startPoint();
        end = line->endPoint();
        id = line->objectId();
    }
    ent->close();
    return line != nullptr;
}

} // namespace

AcDbObjectId FindValveMarker(const AcDbBlockTableRecord* record, const AcGePoint3d& at) {
    AcDbBlockTableRecordIterator* it = nullptr;
    if (record->newIterator(it, true, true) != Acad::eOk || it == nullptr)
        return AcDbObjectId();
    AcDbObjectId marker;
    for (; marker.isNull() && !it->done(); it->step()) {
        AcDbEntity* ent = nullptr;
        if (it->getEntity(ent, AcDb::kForRead, false) != Acad::eOk)
            continue;
        AcGePoint3d start, end;
        AcDbObjectId id;
        if (TakeLine(ent, start, end, id) && start.isEqualTo(end) && start.isEqualTo(at))
            marker = id;
    }
    delete it;
    return marker;
}

void ReadValveMarker(AcDbObjectId marker, double& length, double& height) {
    wchar_t lengthApp[] = L"VLength";
    wchar_t heightApp[] = L"VHeight";
    CString text;
    HxWtGetXdata(marker, lengthApp, text);
    length = _wtof(text.GetString());
    HxWtGetXdata(marker, heightApp, text);
    height = _wtof(text.GetString());
}

void WriteValveMarker(AcDbObjectId marker, double length, double height, AcDbDatabase* db) {
    wchar_t lengthApp[] = L"VLength";
    wchar_t heightApp[] = L"VHeight";
    HxWtSetXdata(marker, lengthApp, HxWtNum2Str(length, -1), db);
    HxWtSetXdata(marker, heightApp, HxWtNum2Str(height, -1), db);
}
