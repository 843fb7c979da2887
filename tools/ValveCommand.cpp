// hxwt valve size: the size marker of a valve, in a valve drawing file or on a
// valve inserted in a drawing (--ref HANDLE), read or set (--set L,H).
// A valve drawing is set in place (the module rewrites it); a drawing with an
// inserted valve is written to -o OUT.dxf only, never over the input.
// Exit 0 with the size, 1 when there is no valve or marker to answer for,
// 2 for bad usage or an unreadable drawing.
#include <cmath>
#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>
#include <string>

#include "DrawingLoad.h"
#include "GraphPrint.h"
#include "HxWtUtility.h"
#include "PartToolText.h"
#include "ToolCommands.h"
#include "ToolText.h"
#include "hxhost/Drawing.h"
#include "hxhost/DxfFile.h"

namespace hxwt {
namespace {

constexpr double kUnset = std::numeric_limits<double>::quiet_NaN();

struct ValveOptions {
    std::string input;
    std::string ref;
    std::string set;
    std::string output;
    bool json = false;
};

struct Size {
    double length = kUnset;
    double height = kUnset;
    bool known() const { return !std::isnan(length); }
};

// "L,H" as two finite numbers, the whole text used.
bool parseSize(const std::string& text, Size& size) {
    const auto comma = text.find(',');
    if (comma == std::string::npos)
        return false;
    try {
        std::size_t used = 0;
        const std::string l = text.substr(0, comma), h = text.substr(comma + 1);
        size.length = std::stod(l, &used);
        if (used != l.size())
            return false;
        size.height = std::stod(h, &used);
        return used == h.size() && std::isfinite(size.length) && std::isfinite(size.height);
    } catch (const std::exception&) {
        return false;
    }
}

bool samePath(const std::string& a, const std::string& b) {
    std::error_code ec;
    const auto ca = std::filesystem::weakly_canonical(a, ec);
    const auto cb = std::filesystem::weakly_canonical(b, ec);
    return a == b || (!ca.empty() && ca == cb);
}

void printSize(const ValveOptions& o, const std::string& where, const Size& size) {
    if (o.json) {
        std::cout << "{\"file\": " << jsonText(o.input) << ", \"ref\": " << jsonText(o.ref)
                  << ", \"valve\": " << jsonText(where)
                  << ", \"length\": " << formatNumber(size.length)
                  << ", \"height\": " << formatNumber(size.height) << ", \"unit\": \"mm\"}\n";
        return;
    }
    std::cout << "valve   " << where << "\n"
              << "length  " << formatNumber(size.length) << " mm\n"
              << "height  " << formatNumber(size.height) << " mm\n";
}

// True when the drawing reads; prints the reader's error otherwise.
bool drawingReads(const std::string& path) {
    AcDbDatabase probe(false, true);
    if (probe.readDwgFile(fromUtf8(path).c_str()) == Acad::eOk)
        return true;
    std::cerr << "hxwt valve: " << hxhost::lastFileError() << "\n";
    return false;
}

int sizeOfDrawingFile(const ValveOptions& o, const Size* newSize) {
    if (!o.output.empty()) {
        std::cerr << "hxwt valve: -o is for --ref; a valve drawing is set in place\n";
        return 2;
    }
    if (!drawingReads(o.input))
        return 2;
    const CString path(fromUtf8(o.input).c_str());
    Size size;
    HxWtGetValveSizeData(path, size.length, size.height);
    if (!size.known()) {
        std::cerr << "hxwt valve: " << o.input
                  << ": no size marker (zero-length line) at the insertion base point"
                  << (newSize != nullptr ? "; nothing written" : "") << "\n";
        return 1;
    }
    if (newSize != nullptr) {
        if (HxWtSetValveSizeData(path, newSize->length, newSize->height) != 1) {
            std::cerr << "hxwt valve: " << o.input << ": cannot be read again to be set\n";
            return 2;
        }
        HxWtGetValveSizeData(path, size.length, size.height);
    }
    printSize(o, "insertion base point", size);
    return 0;
}

int sizeOfInsertedValve(const ValveOptions& o, const Size* newSize) {
    if (newSize != nullptr && o.output.empty()) {
        std::cerr << "hxwt valve: --set with --ref needs -o OUT.dxf (the input is not written)\n";
        return 2;
    }
    if (!o.output.empty() && samePath(o.input, o.output)) {
        std::cerr << "hxwt valve: refusing to write over the input " << o.input << "\n";
        return 2;
    }
    hxhost::resetDrawings();
    std::string error;
    if (!loadDrawing(o.input, &error)) {
        std::cerr << "hxwt valve: " << error << "\n";
        return 2;
    }
    const AcDbObjectId id = idFromHandle(currentDatabase(), o.ref);
    if (id.isNull()) {
        std::cerr << "hxwt valve: " << o.input << ": no object with handle " << o.ref << "\n";
        return 2;
    }
    Size size;
    if (HxWtGetValveSizeData(id, size.length, size.height) == 0) {
        std::cerr << "hxwt valve: " << o.input << ": handle " << o.ref
                  << " is not a block reference\n";
        return 1;
    }
    const std::string where =
        "handle " + o.ref + ", block " + toUtf8(HxWtGetBlockReferenceName(id).GetString());
    if (!size.known()) {
        std::cerr << "hxwt valve: " << o.input << ": handle " << o.ref
                  << ": no size marker at the reference's position in its block\n";
        return 1;
    }
    if (newSize != nullptr) {
        HxWtSetValveSizeData(id, newSize->length, newSize->height);
        HxWtGetValveSizeData(id, size.length, size.height);
    }
    if (!o.output.empty() &&
        currentDatabase()->saveAs(fromUtf8(o.output).c_str(), false) != Acad::eOk) {
        std::cerr << "hxwt valve: " << hxhost::lastFileError() << "\n";
        return 2;
    }
    printSize(o, where, size);
    return 0;
}

int valveSize(const ValveOptions& o) {
    Size newSize;
    if (!o.set.empty() && !parseSize(o.set, newSize)) {
        std::cerr << "hxwt valve: --set expects LENGTH,HEIGHT (two numbers), found '" << o.set
                  << "'\n";
        return 2;
    }
    const Size* setTo = o.set.empty() ? nullptr : &newSize;
    return o.ref.empty() ? sizeOfDrawingFile(o, setTo) : sizeOfInsertedValve(o, setTo);
}

} // namespace

void addValveCommand(CLI::App& app) {
    auto o = std::make_shared<ValveOptions>();
    CLI::App* valve = app.add_subcommand("valve", "Valve size markers");
    valve->require_subcommand(1);
    CLI::App* size = valve->add_subcommand("size", "Read or set a valve's length and height");
    size->add_option("file", o->input, "Valve drawing, or a drawing with --ref (DXF)")->required();
    size->add_option("--ref", o->ref, "Handle of an inserted valve (block reference)");
    size->add_option("--set", o->set, "New LENGTH,HEIGHT in mm");
    size->add_option("-o,--output", o->output, "Drawing written after --set with --ref");
    size->add_flag("--json", o->json, "Print the size as JSON");
    size->callback([o] { setExitCode(valveSize(*o)); });
}

} // namespace hxwt
