// hxwt valve size: the size marker of a valve, in a valve drawing file or on a
// valve inserted in a drawing (--ref HANDLE), read or set (--set L,H).
// A size that is set is written to -o OUT.dxf only, never over the input: a
// valve drawing is copied there and set by the module, a drawing with an
// inserted valve is saved there after the set.
// Exit 0 with the size, 1 when there is no valve or marker to answer for,
// 2 for bad usage or an unreadable drawing.
#include <cmath>
#include <filesystem>
#include <iostream>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "DrawingFile.h"
#include "DrawingLoad.h"
#include "ExitCode.h"
#include "GraphPrint.h"
#include "HxWtUtility.h"
#include "NumberArgs.h"
#include "OutputGuard.h"
#include "PartToolText.h"
#include "ToolCommands.h"
#include "ToolText.h"
#include "hxhost/Drawing.h"

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

void printSize(const ValveOptions& o, const std::string& where, const Size& size) {
    if (o.json) {
        std::cout << "{\"file\": " << jsonString(o.input) << ", \"ref\": " << jsonString(o.ref)
                  << ", \"valve\": " << jsonString(where)
                  << ", \"length\": " << formatNumber(size.length)
                  << ", \"height\": " << formatNumber(size.height) << ", \"unit\": \"mm\"}\n";
        return;
    }
    std::cout << "valve   " << where << "\n"
              << "length  " << formatNumber(size.length) << " mm\n"
              << "height  " << formatNumber(size.height) << " mm\n";
}

int usage(const std::string& text) {
    std::cerr << "hxwt valve: " << text << "\n";
    return kExitUsage;
}

// The valve drawing copied to file and its marker set there; the input is
// only read.
bool setDrawingFileCopy(const ValveOptions& o, const Size& newSize, const std::string& file,
                        std::string* error) {
    std::error_code ec;
    std::filesystem::copy_file(o.input, file, std::filesystem::copy_options::overwrite_existing,
                               ec);
    if (ec) {
        *error = o.output + ": " + ec.message();
        return false;
    }
    if (HxWtSetValveSizeData(CString(fromUtf8(file).c_str()), newSize.length, newSize.height) == 1)
        return true;
    *error = o.output + ": the copied drawing could not be read again to be set";
    return false;
}

int sizeOfDrawingFile(const ValveOptions& o, const Size* newSize) {
    if (newSize == nullptr && !o.output.empty())
        return usage("-o is for --set: a size that is only read writes nothing");
    if (newSize != nullptr && o.output.empty())
        return usage("--set needs -o OUT.dxf (the input is not written)");
    if (readDrawing(o.input) == nullptr)
        return kExitUsage;
    Size size;
    HxWtGetValveSizeData(CString(fromUtf8(o.input).c_str()), size.length, size.height);
    if (!size.known()) {
        std::cerr << "hxwt valve: " << o.input
                  << ": no size marker (zero-length line) at the insertion base point"
                  << (newSize != nullptr ? "; nothing written" : "") << "\n";
        return kExitNegative;
    }
    if (newSize != nullptr) {
        std::string error;
        auto write = [&](const std::string& file, std::string* why) {
            return setDrawingFileCopy(o, *newSize, file, why);
        };
        if (!writeOutputWith(o.output, write, &error))
            return usage("cannot write " + error);
        size = *newSize;
    }
    printSize(o, "insertion base point", size);
    return kExitOk;
}

int sizeOfInsertedValve(const ValveOptions& o, const Size* newSize) {
    if (newSize != nullptr && o.output.empty())
        return usage("--set with --ref needs -o OUT.dxf (the input is not written)");
    if (newSize == nullptr && !o.output.empty())
        return usage("-o is for --set: a size that is only read writes nothing");
    hxhost::resetDrawings();
    std::string error;
    if (!loadDrawing(o.input, &error))
        return usage(error);
    const AcDbObjectId id = idFromHandle(currentDatabase(), o.ref);
    if (id.isNull())
        return usage(o.input + ": no object with handle " + o.ref);
    Size size;
    if (HxWtGetValveSizeData(id, size.length, size.height) == 0) {
        std::cerr << "hxwt valve: " << o.input << ": handle " << o.ref
                  << " is not a block reference\n";
        return kExitNegative;
    }
    const std::string where =
        "handle " + o.ref + ", block " + toUtf8(HxWtGetBlockReferenceName(id).GetString());
    if (!size.known()) {
        std::cerr << "hxwt valve: " << o.input << ": handle " << o.ref
                  << ": no size marker at the reference's position in its block\n";
        return kExitNegative;
    }
    if (newSize != nullptr) {
        if (HxWtSetValveSizeData(id, newSize->length, newSize->height) == 0) {
            std::cerr << "hxwt valve: " << o.input << ": handle " << o.ref
                      << ": the size marker could not be changed; nothing written\n";
            return kExitNegative;
        }
        HxWtGetValveSizeData(id, size.length, size.height);
        if (const ExitCode written = writeDrawing(currentDatabase(), o.output, &error);
            written != kExitOk) {
            std::cerr << "hxwt: cannot write " << error << "\n";
            return written;
        }
    }
    printSize(o, where, size);
    return kExitOk;
}

int valveSize(const ValveOptions& o) {
    noteInput(o.input);
    const std::string refusal = o.output.empty() ? std::string() : outputRefusal(o.output);
    if (!refusal.empty())
        return usage(refusal);
    Size newSize;
    std::vector<double> lh;
    std::string error;
    if (!o.set.empty() && !parseNumbers(o.set, 2, lh, &error))
        return usage("--set wants LENGTH,HEIGHT in mm (two finite decimal numbers), not '" + o.set +
                     "': " + error);
    if (!lh.empty())
        newSize = Size{lh[0], lh[1]};
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
    size->add_option("-o,--output", o->output, "The drawing written after --set (never the input)");
    size->add_flag("--json", o->json, "Print the size as JSON");
    size->callback([o] { setExitCode(valveSize(*o)); });
}

} // namespace hxwt
