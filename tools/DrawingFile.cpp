// Reading a DXF drawing into a database of the tool's own.
#include "DrawingFile.h"

#include "HxWtDbObject.h"

#include "ToolText.h"
#include "dbmain.h"
#include "hxhost/DxfFile.h"

#include <cstdio>
#include <iostream>

namespace hxwt {

std::unique_ptr<AcDbDatabase> readDrawing(const std::string& path) {
    // The tool plays a host that has loaded the product's base modules, as the
    // product's host has: using their classes keeps the stand-in library
    // linked, and its loading registered the entity classes and their DXF
    // codecs, so that product entities are read as themselves.
    (void)HxDbEntity::desc();
    auto db = std::make_unique<AcDbDatabase>(false, true);
    const Acad::ErrorStatus es = db->readDwgFile(fromUtf8(path).c_str());
    printFindings();
    if (es == Acad::eOk)
        return db;
    const std::string& error = hxhost::lastFileError();
    std::cerr << "hxwt: " << (error.empty() ? path + ": cannot read the drawing" : error) << "\n";
    return nullptr;
}

namespace {

// How many findings of the last write left an object out of the file.
int notWritten() {
    int n = 0;
    for (const std::string& finding : hxhost::lastFileFindings())
        n += finding.find("not written") != std::string::npos ? 1 : 0;
    return n;
}

} // namespace

bool saveDrawing(AcDbDatabase& db, const std::string& path) {
    if (db.saveAs(fromUtf8(path).c_str(), false) != Acad::eOk) {
        const std::string& error = hxhost::lastFileError();
        std::cerr << "hxwt: " << (error.empty() ? path + ": cannot write the drawing" : error)
                  << "\n";
        return false;
    }
    printFindings();
    const int dropped = notWritten();
    if (dropped == 0)
        return true;
    std::remove(path.c_str());
    std::cerr << "hxwt: " << path << ": " << dropped
              << " objects could not be written: the incomplete file was removed\n";
    return false;
}

int printFindings() {
    const auto& findings = hxhost::lastFileFindings();
    for (const std::string& finding : findings)
        std::cerr << "hxwt: " << finding << "\n";
    return static_cast<int>(findings.size());
}

} // namespace hxwt
