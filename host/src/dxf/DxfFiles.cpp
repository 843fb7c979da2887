// The database's drawing files: readDwgFile, saveAs and wblock over DXF, and
// the error and findings of the last of them. File names are host paths
// (hxhost/HostPath.h).
#include "database/DbAccess.h"
#include "dxf/DxfBuild.h"
#include "dxf/DxfReader.h"
#include "dxf/DxfTags.h"
#include "dxf/DxfWriter.h"
#include "hxhost/DxfFile.h"
#include "hxhost/HostControl.h"
#include "hxhost/HostPath.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

using hxhost::DbAccess;

namespace hxhost {
namespace {

std::string& lastError() {
    static std::string s_error;
    return s_error;
}

std::vector<std::string>& findings() {
    static std::vector<std::string> s_findings;
    return s_findings;
}

void startOperation() {
    lastError().clear();
    findings().clear();
}

// True when text starts as a binary drawing does: a DWG file ("AC10xx"
// followed by binary data) or a binary DXF file.
bool isBinaryDrawing(std::string_view text) {
    if (text.compare(0, 18, "AutoCAD Binary DXF") == 0)
        return true;
    return text.compare(0, 4, "AC10") == 0;
}

// The whole file into text: one read into room of the size a regular file
// has (not zeroed first: the read fills it), then piece by piece whatever
// that size did not tell (a pipe, a growing file), the whole then held in
// grown.
bool readWhole(const std::string& path, std::ifstream& in, std::unique_ptr<char[]>& room,
               std::string& grown, std::string_view& text) {
    std::error_code ec;
    std::uintmax_t size =
        std::filesystem::is_regular_file(path, ec) ? std::filesystem::file_size(path, ec) : 0;
    if (ec)
        size = 0;
    room.reset(new char[static_cast<std::size_t>(size) + 1]);
    in.read(room.get(), static_cast<std::streamsize>(size));
    const auto got = static_cast<std::size_t>(in.gcount());
    text = std::string_view(room.get(), got);
    if (got != size)
        return !in.bad();
    char buf[1 << 16];
    while (in.read(buf, sizeof buf) || in.gcount() > 0) {
        if (grown.empty())
            grown.assign(text);
        grown.append(buf, static_cast<std::size_t>(in.gcount()));
        text = grown;
    }
    return !in.bad();
}

bool anyOpenForWrite(const AcDbDatabase& db) {
    return DbAccess::store(db).anyOpen();
}

// Reads text (named fileName in messages) into a new database; null with the
// status in es on failure.
AcDbDatabase* databaseFromText(std::string_view text, const std::string& fileName,
                               Acad::ErrorStatus& es) {
    DxfModel model;
    auto db = std::make_unique<AcDbDatabase>(false, false);
    try {
        readDxf(text, fileName, model);
        buildDatabase(model, fileName, *db);
    } catch (const DxfVersionError& e) {
        lastError() = e.what();
        es = Acad::eInvalidDwgVersion;
        return nullptr;
    } catch (const DxfError& e) {
        lastError() = e.what();
        es = Acad::eDxfReadAborted;
        return nullptr;
    }
    findings().insert(findings().end(), model.findings.begin(), model.findings.end());
    es = Acad::eOk;
    return db.release();
}

} // namespace

const std::string& lastFileError() {
    return lastError();
}

const std::vector<std::string>& lastFileFindings() {
    return findings();
}

} // namespace hxhost

AcDb::UnitsValue AcDbDatabase::insunits() const {
    return static_cast<AcDb::UnitsValue>(m_store->insunits);
}

Acad::ErrorStatus AcDbDatabase::setInsunits(AcDb::UnitsValue units) {
    if (units < AcDb::kUnitsUndefined || units > AcDb::kUnitsMax)
        return Acad::eInvalidInput;
    m_store->insunits = units;
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::readDwgFile(const ACHAR* fileName, OpenMode, bool, const wchar_t*) {
    hxhost::startOperation();
    if (fileName == nullptr)
        return Acad::eInvalidInput;
    const std::string path = hxhost::hostPath(fileName);
    if (hxhost::shouldFail(hxhost::kFaultReadFile)) {
        hxhost::lastError() = path + ":0: the file cannot be read";
        return Acad::eFileAccessErr;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        hxhost::lastError() = path + ":0: the file does not open";
        return Acad::eFileNotFound;
    }
    if (hxhost::anyOpenForWrite(*this)) {
        hxhost::lastError() = path + ":0: an object of the database is still open";
        return Acad::eWasOpenForWrite;
    }
    std::unique_ptr<char[]> room;
    std::string grown;
    std::string_view text;
    if (!hxhost::readWhole(path, in, room, grown, text)) {
        hxhost::lastError() = path + ":0: the file cannot be read";
        return Acad::eFileAccessErr;
    }
    if (hxhost::isBinaryDrawing(text)) {
        hxhost::lastError() =
            path + ":1: expected an ASCII DXF drawing, found a binary drawing (DWG or binary DXF)";
        return Acad::eInvalidDwgVersion;
    }
    Acad::ErrorStatus es = Acad::eOk;
    std::unique_ptr<AcDbDatabase> read(hxhost::databaseFromText(text, path, es));
    if (read == nullptr)
        return es;
    DbAccess::swapContents(*this, *read);
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::readDwgFile(const ACHAR* fileName, int shareMode,
                                            bool allowCPConversion, const wchar_t* password) {
    return readDwgFile(fileName, static_cast<OpenMode>(shareMode), allowCPConversion, password);
}

Acad::ErrorStatus AcDbDatabase::saveAs(const ACHAR* fileName, bool bBakAndRename,
                                       AcDb::AcDbDwgVersion ver, const void*) {
    hxhost::startOperation();
    if (fileName == nullptr)
        return Acad::eInvalidInput;
    if (ver < AcDb::kDHL_1015 || ver > AcDb::kDHL_CURRENT)
        return Acad::eInvalidDwgVersion;
    if (hxhost::anyOpenForWrite(*this))
        return Acad::eWasOpenForWrite;
    const std::string path = hxhost::hostPath(fileName);
    if (hxhost::shouldFail(hxhost::kFaultSaveAs)) {
        hxhost::lastError() = path + ":0: the file cannot be written (injected fault)";
        return Acad::eFileAccessErr;
    }
    std::string head;
    std::string body;
    hxhost::writeDxf(*this, hxhost::findings(), head, body);
    const std::string temp = path + ".hxtmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        out.write(head.data(), static_cast<std::streamsize>(head.size()));
        out.write(body.data(), static_cast<std::streamsize>(body.size()));
        if (!out.flush()) {
            std::remove(temp.c_str());
            hxhost::lastError() = path + ":0: the file cannot be written";
            return Acad::eFileAccessErr;
        }
    }
    if (bBakAndRename) {
        const std::size_t dot = path.find_last_of('.');
        const std::size_t slash = path.find_last_of('/');
        const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
        const std::string bak = (hasExt ? path.substr(0, dot) : path) + ".bak";
        std::rename(path.c_str(), bak.c_str());
    }
    if (std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        hxhost::lastError() = path + ":0: the file cannot be replaced";
        return Acad::eFileAccessErr;
    }
    return Acad::eOk;
}

Acad::ErrorStatus AcDbDatabase::wblock(AcDbDatabase*& output) {
    hxhost::startOperation();
    output = nullptr;
    if (hxhost::anyOpenForWrite(*this))
        return Acad::eWasOpenForWrite;
    if (hxhost::shouldFail(hxhost::kFaultWblock))
        return Acad::eOutOfMemory;
    const std::string text = hxhost::writeDxf(*this, hxhost::findings());
    Acad::ErrorStatus es = Acad::eOk;
    output = hxhost::databaseFromText(text, "(wblock)", es);
    return es;
}
