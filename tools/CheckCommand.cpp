// hxwt check: lists the overlapping and zero-length pipes of a drawing file
// with CheckPipe and, with --fix, erases them with RemovePipe and writes the
// cleaned drawing to a new file (never over the input). --make-sample writes
// a drawing with seeded overlaps, made through the API.
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "DrawingFile.h"
#include "HxWtDbObject.h"
#include "HxWtUtility.h"
#include "ToolCommands.h"
#include "ToolText.h"
#include "hxhost/Drawing.h"

namespace hxwt {
namespace {

struct CheckOptions {
    std::string input;
    std::string output;
    std::string sample;
    bool plan = false;
    bool fix = false;
};

std::wstring Wide(const std::string& path) {
    return fromUtf8(path);
}

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

std::string PointText(const AcGePoint3d& p) {
    char text[96];
    std::snprintf(text, sizeof text, "(%g, %g, %g)", p.x, p.y, p.z);
    return text;
}

// One line per pipe: handle and end points. False when a pipe does not open.
bool ListPipes(const char* title, HxDbObjectIdList& ids) {
    std::cout << title << ": " << ids.Count() << "\n";
    bool all = true;
    for (ids.First(); !ids.IsEnd(); ids.Next()) {
        HxDbWtPipe* pipe = nullptr;
        if (acdbOpenObject(pipe, ids.Current(), AcDb::kForRead) != Acad::eOk) {
            all = false;
            continue;
        }
        ACHAR handle[17] = {};
        pipe->objectId().handle().getIntoAsciiBuffer(handle);
        std::cout << "  " << toUtf8(handle) << "  " << PointText(pipe->GetStartPoint()) << " - "
                  << PointText(pipe->GetEndPoint()) << "\n";
        pipe->close();
    }
    return all;
}

bool SamePath(const std::string& a, const std::string& b) {
    std::error_code ec;
    const auto ca = std::filesystem::weakly_canonical(a, ec);
    const auto cb = std::filesystem::weakly_canonical(b, ec);
    return a == b || (!ca.empty() && ca == cb);
}

int Check(const CheckOptions& options) {
    if (options.fix && options.output.empty()) {
        std::cerr << "hxwt check: --fix needs -o OUT.dxf\n";
        return 2;
    }
    if (options.fix && SamePath(options.input, options.output)) {
        std::cerr << "hxwt check: refusing to write over the input " << options.input << "\n";
        return 2;
    }
    hxhost::resetDrawings();
    AcDbDatabase* db = acDocManagerPtr()->curDocument()->database();
    if (db->readDwgFile(Wide(options.input).c_str()) != Acad::eOk) {
        std::cerr << "hxwt check: cannot read " << options.input << "\n";
        return 1;
    }
    std::vector<AcDbObjectId> found;
    if (!ModelSpacePipes(db, found)) {
        std::cerr << "hxwt check: cannot list the pipes of " << options.input << "\n";
        return 1;
    }
    HxDbObjectIdList pipes, overlapped, zeroLength;
    for (AcDbObjectId id : found)
        pipes.Append(id);
    const int total = pipes.Count();
    CheckPipe(options.plan ? 1 : 0, pipes, overlapped, zeroLength);
    std::cout << "pipes: " << total << " (" << (options.plan ? "plan" : "space") << " check)\n";
    const bool listed = ListPipes("overlapping pipes", overlapped);
    if (!(ListPipes("zero-length pipes", zeroLength) && listed)) {
        std::cerr << "hxwt check: some pipes found in " << options.input << " did not open\n";
        return 1;
    }
    if (!options.fix)
        return 0;
    RemovePipe(overlapped);
    RemovePipe(zeroLength);
    const int left = NotErased(overlapped) + NotErased(zeroLength);
    if (left > 0) {
        std::cerr << "hxwt check: " << left << " pipes of " << options.input
                  << " could not be erased; nothing written\n";
        return 1;
    }
    if (!saveDrawing(*db, options.output))
        return 1;
    std::cout << "removed " << overlapped.Count() + zeroLength.Count() << " pipes, wrote "
              << options.output << "\n";
    return 0;
}

// The sample: a few networks of pipes with seeded duplicates, pipes lying on
// longer ones, zero-length pipes, stacked pipes (plan overlaps only), and
// pipes that only touch or cross.
int MakeSample(const std::string& path) {
    hxhost::resetDrawings();
    const struct {
        AcGePoint3d start;
        AcGePoint3d end;
    } pipes[] = {
        {{0, 0, 0}, {100, 0, 0}},     {{100, 0, 0}, {100, 80, 0}},  {{0, 0, 0}, {100, 0, 0}},
        {{20, 0, 0}, {60, 0, 0}},     {{100, 20, 0}, {100, 40, 0}}, {{50, 50, 0}, {50, 50, 0}},
        {{0, 0, 0}, {0, 60, 0}},      {{-20, 30, 0}, {20, 30, 0}},  {{0, 10, 2}, {0, 40, 2}},
        {{100, 80, 0}, {100, 80, 0}}, {{100, 80, 0}, {160, 80, 0}}, {{160, 80, 0}, {100, 80, 0}},
    };
    for (const auto& p : pipes) {
        auto* pipe = new HxDbWtPipe(p.start, p.end);
        if (hxhost::addToModelSpace(pipe).isNull()) {
            delete pipe;
            std::cerr << "hxwt check: the drawing refused a pipe of the sample\n";
            return 1;
        }
    }
    AcDbDatabase* db = acDocManagerPtr()->curDocument()->database();
    if (!saveDrawing(*db, path))
        return 1;
    std::cout << "wrote " << path << "\n";
    return 0;
}

} // namespace

void addCheckCommand(CLI::App& app) {
    auto options = std::make_shared<CheckOptions>();
    CLI::App* cmd =
        app.add_subcommand("check", "List overlapping and zero-length pipes; --fix removes them");
    cmd->add_option("file", options->input, "Drawing file (DXF) to check");
    cmd->add_flag("--plan", options->plan, "Compare plan projections (no zero-length test)");
    cmd->add_flag("--fix", options->fix, "Erase the pipes found and write a new file");
    cmd->add_option("-o,--output", options->output, "File written by --fix (not the input)");
    cmd->add_option("--make-sample", options->sample, "Write a drawing with seeded overlaps");
    cmd->callback([options, cmd] {
        if (!options->sample.empty()) {
            setExitCode(MakeSample(options->sample));
            return;
        }
        if (options->input.empty())
            throw CLI::RequiredError("file");
        setExitCode(Check(*options));
    });
}

} // namespace hxwt
