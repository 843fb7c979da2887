// Drawings for the tool: the current document's database and handle lookups.
#include "DrawingLoad.h"

#include <charconv>

#include "DrawingFile.h"
#include "HxWtDbObject.h"
#include "dbobjptr.h"
#include "acdocman.h"
#include "hxhost/Drawing.h"

namespace hxwt {

AcDbDatabase* currentDatabase() {
    AcApDocument* doc = acDocManagerPtr()->curDocument();
    if (doc == nullptr || doc->database() == nullptr)
        doc = hxhost::newDrawing();
    return doc->database();
}

bool loadDrawing(const std::string& path, std::string* error) {
    return readDrawingInto(currentDatabase(), path, error);
}

AcDbObjectId idFromHandle(AcDbDatabase* db, const std::string& hexText) {
    AcDbObjectId id;
    if (db == nullptr || hexText.empty() || hexText.size() > 16)
        return id;
    if (hexText.find_first_not_of("0123456789abcdefABCDEF") != std::string::npos)
        return id;
    AcDbHandle handle(hexText.c_str());
    if (handle.isNull() || db->getAcDbObjectId(id, false, handle) != Acad::eOk)
        return AcDbObjectId();
    return id;
}

bool isPipeEntity(AcDbObjectId id) {
    AcDbObjectPointer<HxDbEntity> ent(id, AcDb::kForRead);
    return ent.openStatus() == Acad::eOk && ent->isKindOf(HxDbPipeEntity::desc());
}

std::string handleText(AcDbObjectId id) {
    // Upper-case hex without leading zeros, as the host writes handles.
    char buffer[20];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, id.handle().value(), 16);
    for (char* c = buffer; c != r.ptr; ++c) {
        if (*c >= 'a' && *c <= 'f')
            *c = static_cast<char>(*c - 'a' + 'A');
    }
    return std::string(buffer, r.ptr);
}

} // namespace hxwt
