// hxwt info FILE.dxf: what a drawing holds. Entities by kind (every block,
// attributes included), layers, registered applications, and the custom
// (product) entities through the DXF codec registry: class name, handle and
// the codec's description. Output is sorted by kind so that it does not
// depend on the order of the file.
#include "DrawingFile.h"
#include "ToolCommands.h"
#include "ToolText.h"
#include "dbents.h"
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
    std::vector<std::string> custom;
    int missed = 0; // tables, records and entities that did not open
};

std::string handleText(const AcDbObject& obj) {
    ACHAR buffer[20] = {};
    obj.handle().getIntoAsciiBuffer(buffer, 20);
    return toUtf8(buffer);
}

void listEntity(const AcDbEntity& ent, Listing& out) {
    const std::string kind = toUtf8(ent.isA()->name());
    ++out.kinds[kind];
    const hxhost::DxfCustomCodec* codec = hxhost::findDxfCodec(ent.isA());
    if (codec == nullptr)
        return;
    std::string line = kind + " " + handleText(ent);
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

int info(const std::string& path) {
    std::unique_ptr<AcDbDatabase> db = readDrawing(path);
    if (db == nullptr)
        return 1;
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
    printList("custom entities", listing.custom);
    if (listing.missed == 0)
        return 0;
    std::cerr << "hxwt: " << path << ": " << listing.missed
              << " tables, records or entities did not open: the listing is incomplete\n";
    return 1;
}

} // namespace

void addInfoCommand(CLI::App& app) {
    auto path = std::make_shared<std::string>();
    CLI::App* cmd = app.add_subcommand("info", "List what a DXF drawing holds");
    cmd->add_option("file", *path, "The DXF file")->required();
    cmd->callback([path] { setExitCode(info(*path)); });
}

} // namespace hxwt
