// The bundled part library's drawings: each part is a small symbol drawn with
// lines and circles in millimetres around its insertion base point, where its
// size marker (a zero-length line with "VLength" and "VHeight") lies.
#include "PartLibrarySample.h"

#include <iostream>
#include <memory>

#include "ExitCode.h"
#include "HxWtUtility.h"
#include "OutputGuard.h"
#include "ToolText.h"
#include "hxhost/Drawing.h"
#include "hxhost/DxfFile.h"

namespace hxwt {
namespace {

enum class Symbol { kGate, kButterfly, kCheck, kReducing, kStrainer, kMeter };

struct PartDrawing {
    const char* file; // relative to DwgLib/
    Symbol symbol;
    double length;
    double height;
};

// Draws the symbol of a part of that length and height centred on at.
class SymbolPainter {
public:
    SymbolPainter(AcDbBlockTableRecord* block, const AcGePoint3d& at) : m_block(block), m_at(at) {}

    void paint(Symbol symbol, double length, double height) {
        const double l = length / 2, h = height / 4;
        switch (symbol) {
        case Symbol::kGate:
            bowTie(l, h);
            line(0, 0, 0, 2 * h);
            line(-h / 2, 2 * h, h / 2, 2 * h);
            break;
        case Symbol::kButterfly:
            bowTie(l, h);
            line(0, -h, 0, h);
            break;
        case Symbol::kCheck:
            bowTie(l, h);
            line(-l, -h, l, h);
            break;
        case Symbol::kReducing:
            bowTie(l, h);
            line(0, 0, 0, h);
            line(-h / 2, h, h / 2, h);
            line(-h / 2, 2 * h, h / 2, 2 * h);
            line(-h / 2, h, -h / 2, 2 * h);
            line(h / 2, h, h / 2, 2 * h);
            break;
        case Symbol::kStrainer:
            line(-l, 0, l, 0);
            line(-l / 2, 0, 0, -2 * h);
            line(l / 2, 0, 0, -2 * h);
            break;
        case Symbol::kMeter:
            line(-l, 0, -h, 0);
            line(h, 0, l, 0);
            circle(h);
            break;
        }
    }
    // The marker, drawn last so that it sits on top.
    AcDbObjectId marker() { return add(new AcDbLine(m_at, m_at)); }

private:
    void bowTie(double l, double h) {
        line(-l, -h, l, h);
        line(l, h, l, -h);
        line(l, -h, -l, h);
        line(-l, h, -l, -h);
    }
    void line(double x0, double y0, double x1, double y1) {
        add(new AcDbLine(point(x0, y0), point(x1, y1)));
    }
    void circle(double radius) { add(new AcDbCircle(m_at, AcGeVector3d(0, 0, 1), radius)); }
    AcGePoint3d point(double x, double y) const { return {m_at.x + x, m_at.y + y, m_at.z}; }
    AcDbObjectId add(AcDbEntity* entity) {
        AcDbObjectId id;
        if (m_block->appendAcDbEntity(id, entity) != Acad::eOk) {
            delete entity;
            return id;
        }
        entity->close();
        return id;
    }

    AcDbBlockTableRecord* m_block;
    AcGePoint3d m_at;
};

// Paints the part into the block (open for write) at `at`, with its marker.
void paintPart(AcDbBlockTableRecord* block, const AcGePoint3d& at, Symbol symbol, double length,
               double height, AcDbDatabase* db) {
    SymbolPainter painter(block, at);
    painter.paint(symbol, length, height);
    const AcDbObjectId marker = painter.marker();
    wchar_t lengthApp[] = L"VLength";
    wchar_t heightApp[] = L"VHeight";
    block->close();
    HxWtSetXdata(marker, lengthApp, HxWtNum2Str(length, -1), db);
    HxWtSetXdata(marker, heightApp, HxWtNum2Str(height, -1), db);
}

// Saves the drawing through the output guard, in the oldest version the
// host writes, so that the bundled files stay the same byte for byte.
bool save(AcDbDatabase* db, const std::string& path) {
    std::string error;
    const bool written = writeOutputWith(
        path,
        [db, &path](const std::string& file, std::string* why) {
            if (db->saveAs(fromUtf8(file).c_str(), false, AcDb::kDHL_1015) == Acad::eOk)
                return true;
            *why = path + ": " + hxhost::lastFileError();
            return false;
        },
        &error);
    if (!written)
        std::cerr << "hxwt lib: cannot write " << error << "\n";
    return written;
}

AcDbBlockTableRecord* openModelSpace(AcDbDatabase* db) {
    AcDbBlockTable* table = nullptr;
    AcDbBlockTableRecord* space = nullptr;
    if (db->getBlockTable(table, AcDb::kForRead) != Acad::eOk)
        return nullptr;
    table->getAt(L"*Model_Space", space, AcDb::kForWrite);
    table->close();
    return space;
}

// One part drawing: the symbol around the origin, which is the insertion base
// point, in a drawing in millimetres.
bool writePart(const PartDrawing& part, const std::string& path) {
    auto db = std::make_unique<AcDbDatabase>(true, true);
    db->setInsunits(AcDb::kUnitsMillimeters);
    AcDbBlockTableRecord* space = openModelSpace(db.get());
    if (space == nullptr)
        return false;
    paintPart(space, db->insbase(), part.symbol, part.length, part.height, db.get());
    return save(db.get(), path);
}

// A block of that name in the working drawing, open for write; null when it
// cannot be made.
AcDbBlockTableRecord* addBlock(AcDbDatabase* db, const std::wstring& name) {
    AcDbBlockTable* table = nullptr;
    if (db->getBlockTable(table, AcDb::kForWrite) != Acad::eOk)
        return nullptr;
    auto* record = new AcDbBlockTableRecord;
    record->setName(name.c_str());
    AcDbObjectId id;
    if (table->add(id, record) != Acad::eOk) {
        delete record;
        record = nullptr;
    }
    table->close();
    return record;
}

// Valves inserted in a pipe line: each valve's block holds its symbol and its
// marker at the reference's position, which is also the block's base point. The last valve's marker
// is off its position (a block without a valid marker).
bool writeInsertedValves(const std::string& path) {
    hxhost::resetDrawings();
    AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
    db->setInsunits(AcDb::kUnitsMillimeters);
    hxhost::addToModelSpace(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(8000, 0, 0)));
    const struct {
        const wchar_t* block;
        Symbol symbol;
        double x, length, height, markerOffset;
    } valves[] = {
        {L"GateValve-1", Symbol::kGate, 1000, 230, 300, 0},
        {L"ButterflyValve-1", Symbol::kButterfly, 3000, 150, 250, 0},
        {L"CheckValve-1", Symbol::kCheck, 5000, 200, 180, 0},
        {L"GateValve-2", Symbol::kGate, 7000, 180, 260, 50},
    };
    for (const auto& v : valves) {
        AcDbBlockTableRecord* block = addBlock(db, v.block);
        if (block == nullptr)
            return false;
        const AcGePoint3d at(v.x, 0, 0);
        // The block is drawn where it is inserted: its base point is the
        // reference's position, so other programs show it in place.
        block->setOrigin(at);
        paintPart(block, at + AcGeVector3d(v.markerOffset, 0, 0), v.symbol, v.length, v.height,
                  nullptr);
        AcDbObjectId blockId;
        AcDbBlockTable* table = nullptr;
        db->getBlockTable(table, AcDb::kForRead);
        table->getIdAt(v.block, blockId);
        table->close();
        hxhost::addToModelSpace(new AcDbBlockReference(at, blockId));
    }
    const bool saved = save(db, path);
    hxhost::resetDrawings();
    return saved;
}

} // namespace

int writePartLibrarySample(const std::string& outDir) {
    // The drawings of the library are named as their catalogues name them.
    static const PartDrawing parts[] = {
        {"ValveLib/SysLib/GateValve.dxf", Symbol::kGate, 230, 300},
        {"ValveLib/SysLib/ButterflyValve.dxf", Symbol::kButterfly, 150, 250},
        {"ValveLib/SysLib/CheckValve.dxf", Symbol::kCheck, 200, 180},
        {"ValveLib/MyLib/ReducingValve.dxf", Symbol::kReducing, 260, 320},
        {"OtherAttLib/SysLib/YStrainer.dxf", Symbol::kStrainer, 210, 160},
        {"OtherAttLib/SysLib/WaterMeter.dxf", Symbol::kMeter, 300, 120},
        {"OtherAttLib/MyLib/FlowMeter.dxf", Symbol::kMeter, 350, 150},
    };
    for (const PartDrawing& part : parts) {
        if (!writePart(part, outDir + "/DwgLib/" + part.file))
            return kExitUsage;
    }
    return writeInsertedValves(outDir + "/valves.dxf") ? kExitOk : kExitUsage;
}

} // namespace hxwt
