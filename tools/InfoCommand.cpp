// hxwt info FILE.dxf: what a drawing holds. Entities by kind (every block,
// attributes included), layers, registered applications, and the custom
// (product) entities: pipes, wells, pools and equipment as tables in metres
// (diameters in millimetres), any other through its DXF codec's description.
// Entity kinds are sorted so that the output does not depend on the order of
// the file.
#include "DrawingFile.h"
#include "DrawingLoad.h"
#include "ExitCode.h"
#include "GraphPrint.h"
#include "HxWtDbObject.h"
#include "TextTable.h"
#include "ToolCommands.h"
#include "ToolText.h"
#include "dbents.h"
#include "dbobjptr.h"
#include "dbsymtb.h"
#include "hxhost/DxfCodec.h"

#include <iostream>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace hxwt {
namespace {

struct Listing {
    std::map<std::string, int> kinds;
    std::vector<std::string> custom; // codec lines of other product entities
    std::vector<AcDbObjectId> pipes, wells, pools, equipment;
    int customCount = 0;
    int missed = 0; // tables, records and entities that did not open
};

void listEntity(const AcDbEntity& ent, Listing& out) {
    const std::string kind = toUtf8(ent.isA()->name());
    ++out.kinds[kind];
    const hxhost::DxfCustomCodec* codec = hxhost::findDxfCodec(ent.isA());
    if (codec == nullptr)
        return;
    ++out.customCount;
    const AcRxClass* cls = ent.isA();
    for (auto [kind, list] : {std::make_pair(HxDbWtPipe::desc(), &out.pipes),
                              std::make_pair(HxDbWtWell::desc(), &out.wells),
                              std::make_pair(HxDbWtPool::desc(), &out.pools),
                              std::make_pair(HxDbWtEquipment::desc(), &out.equipment)}) {
        if (cls == kind) {
            list->push_back(ent.objectId());
            return;
        }
    }
    std::string line = kind + " " + handleText(ent.objectId());
    const std::wstring values = codec->describe(ent);
    if (!values.empty())
        line += " " + toUtf8(values);
    out.custom.push_back(line);
}

void listAttributes(const AcDbEntity& ent, Listing& out) {
    const AcDbBlockReference* ref = AcDbBlockReference::cast(&ent);
    if (ref == nullptr)
        return;
    const AcDbObjectIdArray& ids = ref->attributeIds();
    for (int i = 0; i < ids.length(); ++i) {
        AcDbEntity* att = nullptr;
        const Acad::ErrorStatus es = acdbOpenObject(att, ids[i], AcDb::kForRead);
        if (es == Acad::eWasErased)
            continue;
        if (es != Acad::eOk) {
            ++out.missed;
            continue;
        }
        listEntity(*att, out);
        att->close();
    }
}

void listBlock(const AcDbBlockTableRecord& block, Listing& out) {
    AcDbBlockTableRecordIterator* it = nullptr;
    if (block.newIterator(it) != Acad::eOk) {
        ++out.missed;
        return;
    }
    for (; !it->done(); it->step()) {
        AcDbEntity* ent = nullptr;
        if (it->getEntity(ent, AcDb::kForRead) != Acad::eOk) {
            ++out.missed;
            continue;
        }
        listEntity(*ent, out);
        listAttributes(*ent, out);
        ent->close();
    }
    delete it;
}

// The names of a table's records, in table order; calls visit on each record.
// A table or record that does not open counts in missed.
template <class Table, class Visit>
std::vector<std::string> recordNames(Table* table, int& missed, Visit visit) {
    std::vector<std::string> names;
    if (table == nullptr) {
        ++missed;
        return names;
    }
    AcDbSymbolTableIterator* it = nullptr;
    if (table->newIterator(it) != Acad::eOk)
        ++missed;
    else {
        for (; !it->done(); it->step()) {
            AcDbSymbolTableRecord* rec = nullptr;
            if (it->getRecord(rec, AcDb::kForRead) != Acad::eOk) {
                ++missed;
                continue;
            }
            const ACHAR* name = nullptr;
            rec->getName(name);
            names.push_back(toUtf8(name == nullptr ? L"" : name));
            visit(*rec);
            rec->close();
        }
        delete it;
    }
    table->close();
    return names;
}

void printList(const char* title, const std::vector<std::string>& items) {
    std::cout << title << ": " << items.size() << "\n";
    for (const std::string& item : items)
        std::cout << "  " << item << "\n";
}

std::string m(double drawn, double unit) {
    return formatNumber(drawn * unit);
}

void printPipes(const std::vector<AcDbObjectId>& ids, double unit, int& missed) {
    TextTable t;
    t.addColumn("handle");
    t.addColumn("flag", TextTable::kRight);
    for (const char* h : {"DN (mm)", "length (m)", "upriver (m)", "downriver (m)"})
        t.addColumn(h, TextTable::kRight);
    t.addColumn("material");
    for (AcDbObjectId id : ids) {
        AcDbObjectPointer<HxDbWtPipe> p(id, AcDb::kForRead);
        if (p.openStatus() != Acad::eOk)
            ++missed;
        else
            t.addRow({handleText(id), std::to_string(static_cast<int>(p->GetPipeFlag())),
                      m(p->GetDiameter() * 1000, unit), m(p->GetPipeLength(), unit),
                      m(p->GetUpriverHeight(), unit), m(p->GetDownriverHeight(), unit),
                      toUtf8(p->GetMaterial())});
    }
    std::cout << "  pipes: " << ids.size() << "\n";
    t.print(std::cout, "    ");
}

void printWells(const std::vector<AcDbObjectId>& ids, double unit, int& missed) {
    TextTable t;
    t.addColumn("handle");
    t.addColumn("name");
    for (const char* h : {"x (m)", "y (m)", "z (m)", "diameter (mm)", "depth (m)"})
        t.addColumn(h, TextTable::kRight);
    for (AcDbObjectId id : ids) {
        AcDbObjectPointer<HxDbWtWell> w(id, AcDb::kForRead);
        if (w.openStatus() != Acad::eOk) {
            ++missed;
            continue;
        }
        const AcGePoint3d at = w->GetWellLocation();
        t.addRow({handleText(id), toUtf8(w->GetWellPrefix()) + toUtf8(w->GetWellIndex()),
                  m(at.x, unit), m(at.y, unit), m(at.z, unit), m(w->GetWellDiameter() * 1000, unit),
                  m(w->GetWellDeepness(), unit)});
    }
    std::cout << "  wells: " << ids.size() << "\n";
    t.print(std::cout, "    ");
}

void printPools(const std::vector<AcDbObjectId>& ids, double unit, int& missed) {
    TextTable t;
    t.addColumn("handle");
    t.addColumn("name");
    for (const char* h : {"x (m)", "y (m)", "z (m)", "length (m)", "width (m)", "depth (m)"})
        t.addColumn(h, TextTable::kRight);
    for (AcDbObjectId id : ids) {
        AcDbObjectPointer<HxDbWtPool> p(id, AcDb::kForRead);
        if (p.openStatus() != Acad::eOk) {
            ++missed;
            continue;
        }
        const AcGePoint3d at = p->GetPoolLocation();
        t.addRow({handleText(id), toUtf8(p->GetPoolName()), m(at.x, unit), m(at.y, unit),
                  m(at.z, unit), m(p->GetPoolLength(), unit), m(p->GetPoolWidth(), unit),
                  m(p->GetPoolDeepness(), unit)});
    }
    std::cout << "  pools: " << ids.size() << "\n";
    t.print(std::cout, "    ");
}

void printEquipment(const std::vector<AcDbObjectId>& ids, double unit, int& missed) {
    TextTable t;
    t.addColumn("handle");
    t.addColumn("name");
    for (const char* h : {"min x (m)", "min y (m)", "max x (m)", "max y (m)"})
        t.addColumn(h, TextTable::kRight);
    for (AcDbObjectId id : ids) {
        AcDbObjectPointer<HxDbWtEquipment> e(id, AcDb::kForRead);
        if (e.openStatus() != Acad::eOk) {
            ++missed;
            continue;
        }
        const AcGePoint3d lo = e->GetMinCorner(), hi = e->GetMaxCorner();
        t.addRow({handleText(id), toUtf8(e->GetName()), m(lo.x, unit), m(lo.y, unit), m(hi.x, unit),
                  m(hi.y, unit)});
    }
    std::cout << "  equipment: " << ids.size() << "\n";
    t.print(std::cout, "    ");
}

// The product's entities by kind, in metres (millimetres for diameters).
void printCustom(Listing& listing, double unit) {
    std::cout << "custom entities: " << listing.customCount << "\n";
    if (!listing.pipes.empty())
        printPipes(listing.pipes, unit, listing.missed);
    if (!listing.wells.empty())
        printWells(listing.wells, unit, listing.missed);
    if (!listing.pools.empty())
        printPools(listing.pools, unit, listing.missed);
    if (!listing.equipment.empty())
        printEquipment(listing.equipment, unit, listing.missed);
    for (const std::string& line : listing.custom)
        std::cout << "  " << line << "\n";
}

int info(const std::string& path) {
    std::unique_ptr<AcDbDatabase> db = readDrawing(path);
    if (db == nullptr)
        return kExitUsage;
    Listing listing;
    AcDbBlockTable* blocks = nullptr;
    db->getBlockTable(blocks);
    const auto blockNames = recordNames(blocks, listing.missed, [&](AcDbSymbolTableRecord& rec) {
        listBlock(static_cast<AcDbBlockTableRecord&>(rec), listing);
    });
    AcDbLayerTable* layers = nullptr;
    db->getLayerTable(layers);
    const auto layerNames = recordNames(layers, listing.missed, [](AcDbSymbolTableRecord&) {});
    AcDbRegAppTable* apps = nullptr;
    db->getRegAppTable(apps);
    const auto appNames = recordNames(apps, listing.missed, [](AcDbSymbolTableRecord&) {});

    std::cout << "drawing: " << path << "\n";
    int total = 0;
    for (const auto& kind : listing.kinds)
        total += kind.second;
    std::cout << "entities: " << total << "\n";
    for (const auto& kind : listing.kinds)
        std::cout << "  " << kind.first << " " << kind.second << "\n";
    printList("layers", layerNames);
    printList("blocks", blockNames);
    printList("registered applications", appNames);
    std::cout << "drawing unit: " << (HxDbGetDrawUnit(db.get()) != 0 ? "metres" : "millimetres")
              << "\n";
    printCustom(listing, HxDbGetDrawUnit(db.get()) != 0 ? 1.0 : 0.001);
    if (listing.missed == 0)
        return kExitOk;
    std::cerr << "hxwt: " << path << ": " << listing.missed
              << " tables, records or entities did not open: the listing is incomplete\n";
    return kExitNegative;
}

} // namespace

void addInfoCommand(CLI::App& app) {
    auto path = std::make_shared<std::string>();
    CLI::App* cmd = app.add_subcommand("info", "List what a DXF drawing holds");
    cmd->add_option("file", *path, "The DXF file")->required();
    cmd->callback([path] { setExitCode(info(*path)); });
}

} // namespace hxwt
