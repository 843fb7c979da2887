// hxwt check: lists the overlapping and zero-length pipes of a drawing file
// with CheckPipe (exit 1 when there are any) and, with --fix, erases them
// with RemovePipe and writes the cleaned drawing to a new file (never over the
// input; exit 0 once written).
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "DrawingLoad.h"
#include "ExitCode.h"
#include "GraphPrint.h"
#include "HxWtDbObject.h"
#include "HxWtUtility.h"
#include "DrawingFile.h"
#include "OutputGuard.h"
#include "Progress.h"
#include "TextTable.h"
#include "ToolCommands.h"
#include "ToolText.h"
#include "dbobjptr.h"
#include "hxhost/Drawing.h"
#include "hxhost/DxfFile.h"

namespace hxwt {
namespace {

struct CheckOptions {
    std::string input;
    std::string output;
    bool plan = false;
    bool fix = false;
};

// The ids of the drawing's model-space pipes, in drawing order. False when
// the model space or one of its entities does not open.
bool ModelSpacePipes(AcDbDatabase* db, std::vector<AcDbObjectId>& ids) {
    AcDbBlockTable* table = nullptr;
    if (db->getBlockTable(table, AcDb::kForRead) != Acad::eOk)
        return false;
    AcDbBlockTableRecord* space = nullptr;
    const Acad::ErrorStatus es = table->getAt(L"*Model_Space", space, AcDb::kForRead);
    table->close();
    if (es != Acad::eOk)
        return false;
    bool all = true;
    AcDbBlockTableRecordIterator* it = nullptr;
    space->newIterator(it);
    for (; it != nullptr && !it->done(); it->step()) {
        AcDbObjectId id;
        it->getEntityId(id);
        AcDbEntity* entity = nullptr;
        if (acdbOpenAcDbEntity(entity, id, AcDb::kForRead) != Acad::eOk) {
            all = false;
            continue;
        }
        if (entity->isA() == HxDbWtPipe::desc())
            ids.push_back(id);
        entity->close();
    }
    delete it;
    space->close();
    return all;
}

// How many pipes of the list are still in the drawing.
int NotErased(HxDbObjectIdList& ids) {
    int left = 0;
    for (ids.First(); !ids.IsEnd(); ids.Next())
        left += ids.Current().isErased() ? 0 : 1;
    return left;
}

// One row per pipe: handle and end points, in metres. False when a pipe
// does not open.
bool ListPipes(const char* title, HxDbObjectIdList& ids, double unit) {
    std::cout << title << ": " << ids.Count() << "\n";
    if (ids.Count() == 0)
        return true;
    bool all = true;
    TextTable table;
    table.addColumn("handle");
    for (const char* h :
         {"start x (m)", "start y (m)", "start z (m)", "end x (m)", "end y (m)", "end z (m)"})
        table.addColumn(h, TextTable::kRight);
    for (ids.First(); !ids.IsEnd(); ids.Next()) {
        AcDbObjectPointer<HxDbWtPipe> pipe(ids.Current(), AcDb::kForRead);
        if (pipe.openStatus() != Acad::eOk) {
            all = false;
            continue;
        }
        const AcGePoint3d s = pipe->GetStartPoint(), e = pipe->GetEndPoint();
        table.addRow({handleText(ids.Current()), formatNumber(s.x * unit), formatNumber(s.y * unit),
                      formatNumber(s.z * unit), formatNumber(e.x * unit), formatNumber(e.y * unit),
                      formatNumber(e.z * unit)});
    }
    table.print(std::cout, "  ");
    return all;
}

int Usage(const std::string& text) {
    std::cerr << "hxwt: " << text << "\n";
    return kExitUsage;
}

// Erases the faults and writes the drawing through a temporary file.
int WriteFixed(AcDbDatabase* db, const CheckOptions& options, HxDbObjectIdList& overlapped,
               HxDbObjectIdList& zeroLength) {
    RemovePipe(overlapped);
    RemovePipe(zeroLength);
    const int left = NotErased(overlapped) + NotErased(zeroLength);
    if (left > 0) {
        std::cerr << "hxwt check: " << options.input << ": " << left
                  << " pipes could not be erased; nothing written\n";
        return kExitNegative;
    }
    std::string error;
    if (const ExitCode written = writeDrawing(db, options.output, &error); written != kExitOk) {
        std::cerr << "hxwt: cannot write " << error << "\n";
        return written;
    }
    std::cout << "removed " << overlapped.Count() + zeroLength.Count() << " pipes, wrote "
              << options.output << "\n";
    return kExitOk;
}

int Check(const CheckOptions& options) {
    noteInput(options.input);
    if (options.fix && options.output.empty())
        return Usage("check --fix needs -o OUT.dxf, the file to write");
    if (!options.fix && !options.output.empty())
        return Usage("check -o is the file that --fix writes: add --fix or leave -o out");
    const std::string refusal = options.fix ? outputRefusal(options.output) : std::string();
    if (!refusal.empty())
        return Usage(refusal);
    hxhost::resetDrawings();
    std::string error;
    if (!loadDrawing(options.input, &error))
        return Usage(error);
    AcDbDatabase* db = currentDatabase();
    std::vector<AcDbObjectId> found;
    if (!ModelSpacePipes(db, found)) {
        std::cerr << "hxwt check: " << options.input << ": some entities did not open\n";
        return kExitNegative;
    }
    HxDbObjectIdList pipes, overlapped, zeroLength;
    for (AcDbObjectId id : found)
        pipes.Append(id);
    const int total = pipes.Count();
    {
        Progress progress("checking " + std::to_string(total) + " pipes");
        CheckPipe(options.plan ? 1 : 0, pipes, overlapped, zeroLength);
    }
    const double unit = HxDbGetDrawUnit(db) != 0 ? 1.0 : 0.001;
    std::cout << "pipes: " << total << " (" << (options.plan ? "plan" : "space") << " check)\n";
    const bool listed = ListPipes("overlapping pipes", overlapped, unit);
    if (!(ListPipes("zero-length pipes", zeroLength, unit) && listed)) {
        std::cerr << "hxwt check: " << options.input << ": some pipes found did not open\n";
        return kExitNegative;
    }
    const bool faults = overlapped.Count() + zeroLength.Count() > 0;
    if (options.fix)
        return WriteFixed(db, options, overlapped, zeroLength);
    return faults ? kExitNegative : kExitOk;
}

} // namespace

void addCheckCommand(CLI::App& app) {
    auto options = std::make_shared<CheckOptions>();
    CLI::App* cmd =
        app.add_subcommand("check", "List overlapping and zero-length pipes; --fix removes them");
    cmd->add_option("file", options->input, "Drawing file (DXF) to check")->required();
    cmd->add_flag("--plan", options->plan, "Compare plan projections (no zero-length test)");
    cmd->add_flag("--fix", options->fix, "Erase the pipes found and write a new file");
    cmd->add_option("-o,--output", options->output, "File written by --fix (not the input)");
    cmd->callback([options] { setExitCode(Check(*options)); });
}

} // namespace hxwt
