// Reading a DXF drawing: what a file is, and the reader's reason when it fails.
#include "DrawingFile.h"

#include "HxWtDbObject.h"

#include "OutputGuard.h"
#include "Progress.h"
#include "ToolText.h"
#include "dbmain.h"
#include "hxhost/DxfFile.h"

#include <filesystem>
#include <fstream>
#include <iostream>

namespace hxwt {
namespace {

// A NUL byte or a run of control characters early on marks a binary file.
bool looksBinary(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    char buffer[4096];
    in.read(buffer, sizeof buffer);
    const std::streamsize n = in.gcount();
    for (std::streamsize i = 0; i < n; ++i) {
        const unsigned char c = static_cast<unsigned char>(buffer[i]);
        if (c == 0 || (c < 0x20 && c != '\n' && c != '\r' && c != '\t'))
            return true;
    }
    return false;
}

} // namespace

std::string drawingFileProblem(const std::string& path) {
    namespace fs = std::filesystem;
    noteInput(path);
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (path.empty())
        return "no drawing given";
    if (!fs::exists(status))
        return path + ": no such file";
    if (fs::is_directory(status))
        return path + ": is a directory, not a drawing";
    if (fs::file_size(path, ec) == 0)
        return path + ": is empty (0 bytes), not a drawing";
    if (looksBinary(path))
        return path + ": is a binary file (a DWG?); hxwt reads ASCII DXF drawings";
    return {};
}

bool readDrawingInto(AcDbDatabase* db, const std::string& path, std::string* error) {
    *error = drawingFileProblem(path);
    if (!error->empty())
        return false;
    Acad::ErrorStatus es = Acad::eOk;
    {
        Progress progress("reading " + path);
        es = db->readDwgFile(fromUtf8(path).c_str());
    }
    printFindings();
    if (es == Acad::eOk)
        return true;
    *error = hxhost::lastFileError();
    if (error->empty())
        *error = path + ": cannot read the drawing";
    return false;
}

std::unique_ptr<AcDbDatabase> readDrawing(const std::string& path) {
    // The tool plays a host that has loaded the product's base modules, as the
    // product's host has: using their classes keeps the stand-in library
    // linked, and its loading registered the entity classes and their DXF
    // codecs, so that product entities are read as themselves.
    (void)HxDbEntity::desc();
    auto db = std::make_unique<AcDbDatabase>(false, true);
    std::string error;
    if (readDrawingInto(db.get(), path, &error))
        return db;
    std::cerr << "hxwt: " << error << "\n";
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

ExitCode writeDrawing(AcDbDatabase* db, const std::string& path, std::string* error) {
    int dropped = 0;
    const bool written = writeOutputWith(
        path,
        [db, &path, &dropped](const std::string& file, std::string* why) {
            if (db->saveAs(fromUtf8(file).c_str(), false) != Acad::eOk) {
                *why = path + ": " + hxhost::lastFileError();
                return false;
            }
            dropped = notWritten();
            if (dropped == 0)
                return true;
            *why = path + ": " + std::to_string(dropped) +
                   " objects could not be written; the drawing would be incomplete";
            return false;
        },
        error);
    printFindings();
    if (written)
        return kExitOk;
    return dropped > 0 ? kExitNegative : kExitUsage;
}

int printFindings() {
    const auto& findings = hxhost::lastFileFindings();
    for (const std::string& finding : findings)
        std::cerr << "hxwt: " << finding << "\n";
    return static_cast<int>(findings.size());
}

} // namespace hxwt
