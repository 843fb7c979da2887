// Drawings for the tool: the current document's database and handle lookups.
#include "DrawingLoad.h"

#include "ToolText.h"
#include "acdocman.h"
#include "hxhost/Drawing.h"
#include "hxhost/DxfFile.h"

namespace hxwt {

AcDbDatabase* currentDatabase() {
    AcApDocument* doc = acDocManagerPtr()->curDocument();
    if (doc == nullptr || doc->database() == nullptr)
        doc = hxhost::newDrawing();
    return doc->database();
}

bool loadDrawing(const std::string& path, std::string* error) {
    if (path.empty()) {
        *error = "no drawing given";
        return false;
    }
    std::wstring wide = fromUtf8(path);
    Acad::ErrorStatus es = currentDatabase()->readDwgFile(wide.c_str());
    if (es == Acad::eOk)
        return true;
    *error = hxhost::lastFileError();
    if (error->empty())
        *error = path + ": cannot read the drawing";
    return false;
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

std::string handleText(AcDbObjectId id) {
    ACHAR buffer[32] = {};
    id.handle().getIntoAsciiBuffer(buffer, 32);
    return toUtf8(buffer);
}

} // namespace hxwt
