// Writing a database as an AC1015 DXF file: header, tables, blocks, entities
// and the minimal objects a valid file needs.
#include "dxf/DxfWriter.h"

#include "database/DbAccess.h"
#include "dxf/DxfEntities.h"
#include "dxf/DxfTags.h"
#include "hxhost/DxfCodec.h"
#include "acutads.h"
#include "dbents.h"

#include <algorithm>
#include <map>
#include <set>

namespace hxhost {
namespace {

template <class T> std::vector<T*> live(const AcDbObjectIdArray& ids) {
    std::vector<T*> objects;
    for (int i = 0; i < ids.length(); ++i) {
        if (auto* obj = T::cast(DbAccess::objectOf(ids[i])); obj && !ids[i].isErased())
            objects.push_back(obj);
    }
    return objects;
}

class Writer {
    static constexpr std::size_t kTablesBytes = 1 << 16;
    static constexpr std::size_t kEntityBytes = 256;

public:
    Writer(const AcDbDatabase& db, std::vector<std::string>& findings)
        : m_db(db), m_store(DbAccess::store(db)), m_findings(findings),
          m_next(m_store.seed.value()) {}

    // Writes the file's text: its header (known only at the end, from the
    // seed the write leaves) and the rest, in that order.
    void run(std::string& head, std::string& body) {
        auto* blockTable = AcDbSymbolTable::cast(DbAccess::objectOf(m_db.blockTableId()));
        auto* layerTable = AcDbSymbolTable::cast(DbAccess::objectOf(m_db.layerTableId()));
        auto* appTable = AcDbSymbolTable::cast(DbAccess::objectOf(m_db.regAppTableId()));
        m_blocks = live<AcDbBlockTableRecord>(DbAccess::records(*blockTable));
        std::size_t entities = 0;
        for (auto* block : m_blocks) {
            m_blockNames[block->objectId()] = DbAccess::name(*block);
            m_entities.push_back(live<AcDbEntity>(DbAccess::entities(*block)));
            for (const AcDbEntity* ent : m_entities.back())
                m_classes.insert(ent->isA());
            entities += m_entities.back().size();
        }
        // Room for what an entity with its xdata usually takes, so that the
        // text is not copied as it grows (room not written is not touched).
        m_out.str().reserve(kTablesBytes + entities * kEntityBytes);
        const std::string root = handleOf("OBJ:ROOT");
        const std::string group = handleOf("OBJ:ACAD_GROUP");
        writeTables(*layerTable, *appTable, *blockTable);
        writeBlocks();
        writeEntities();
        section("OBJECTS");
        m_out.tag(0, "DICTIONARY");
        m_out.tag(5, root);
        m_out.tag(330, "0");
        m_out.tag(100, "AcDbDictionary");
        m_out.tag(3, "ACAD_GROUP");
        m_out.tag(350, group);
        m_out.tag(0, "DICTIONARY");
        m_out.tag(5, group);
        m_out.tag(330, root);
        m_out.tag(100, "AcDbDictionary");
        m_out.tag(0, "ENDSEC");
        m_out.tag(0, "EOF");
        head = header();
        body = std::move(m_out.str());
    }

private:
    std::string handleOf(const std::string& role) {
        auto known = m_store.fileHandles.find(role);
        if (known != m_store.fileHandles.end())
            return dxfHex(known->second);
        auto made = m_made.find(role);
        if (made == m_made.end())
            made = m_made.emplace(role, m_next++).first;
        return dxfHex(made->second);
    }
    void section(const char* name) {
        m_out.tag(0, "SECTION");
        m_out.tag(2, name);
    }
    std::string header() {
        DxfTagWriter h;
        h.tag(0, "SECTION");
        h.tag(2, "HEADER");
        h.tag(9, "$ACADVER");
        h.tag(1, "AC1015");
        h.tag(9, "$DWGCODEPAGE");
        h.tag(3, "ANSI_936");
        h.tag(9, "$INSBASE");
        const AcGePoint3d base = m_db.insbase();
        h.point(10, base.x, base.y, base.z);
        h.tag(9, "$INSUNITS");
        h.integer(70, m_store.insunits);
        h.tag(9, "$HANDSEED");
        h.tag(5, dxfHex(m_next));
        h.tag(0, "ENDSEC");
        h.tag(0, "SECTION");
        h.tag(2, "CLASSES");
        h.tag(0, "ENDSEC");
        return h.str();
    }

    void tableStart(const char* name, const std::string& handle, int count) {
        m_out.tag(0, "TABLE");
        m_out.tag(2, name);
        m_out.tag(5, handle);
        m_out.tag(330, "0");
        m_out.tag(100, "AcDbSymbolTable");
        m_out.integer(70, count);
        if (std::string(name) == "DIMSTYLE")
            m_out.tag(100, "AcDbDimStyleTable");
    }
    void recordStart(const char* kind, const std::string& handle, const std::string& table,
                     const char* subclass, const std::wstring& name, int flags) {
        m_out.tag(0, kind);
        m_out.tag(std::string(kind) == "DIMSTYLE" ? 105 : 5, handle);
        m_out.tag(330, table);
        m_out.tag(100, "AcDbSymbolTableRecord");
        m_out.tag(100, subclass);
        m_out.text(2, name);
        m_out.integer(70, flags);
    }
    void endTable() { m_out.tag(0, "ENDTAB"); }
    void xdataOf(const AcDbObject& obj) {
        if (const XDataStore* xd = DbAccess::xdataOf(obj))
            writeXData(xd->apps(), m_out);
    }

    void writeTables(const AcDbSymbolTable& layers, const AcDbSymbolTable& apps,
                     const AcDbSymbolTable& blocks) {
        section("TABLES");
        std::string t = handleOf("TABLE:VPORT");
        tableStart("VPORT", t, 1);
        recordStart("VPORT", handleOf("VPORT:*Active"), t, "AcDbViewportTableRecord", L"*Active",
                    0);
        m_out.point(10, 0, 0, 0);
        m_out.real(11, 1);
        m_out.real(21, 1);
        m_out.real(40, 1000);
        m_out.real(41, 1.5);
        endTable();
        t = handleOf("TABLE:LTYPE");
        tableStart("LTYPE", t, 3);
        for (const wchar_t* name : {L"ByBlock", L"ByLayer", L"Continuous"}) {
            recordStart("LTYPE", handleOf("LTYPE:" + dxfAscii(name)), t, "AcDbLinetypeTableRecord",
                        name, 0);
            m_out.tag(3, name == std::wstring(L"Continuous") ? "Solid line" : "");
            m_out.integer(72, 65);
            m_out.integer(73, 0);
            m_out.real(40, 0);
        }
        endTable();
        writeLayers(layers);
        t = handleOf("TABLE:STYLE");
        tableStart("STYLE", t, 1);
        recordStart("STYLE", handleOf("STYLE:Standard"), t, "AcDbTextStyleTableRecord", L"Standard",
                    0);
        m_out.real(40, 0);
        m_out.real(41, 1);
        m_out.real(50, 0);
        m_out.integer(71, 0);
        m_out.real(42, 2.5);
        m_out.tag(3, "txt");
        m_out.tag(4, "");
        endTable();
        tableStart("VIEW", handleOf("TABLE:VIEW"), 0);
        endTable();
        tableStart("UCS", handleOf("TABLE:UCS"), 0);
        endTable();
        writeApps(apps);
        t = handleOf("TABLE:DIMSTYLE");
        tableStart("DIMSTYLE", t, 1);
        recordStart("DIMSTYLE", handleOf("DIMSTYLE:Standard"), t, "AcDbDimStyleTableRecord",
                    L"Standard", 0);
        endTable();
        writeBlockRecords(blocks);
        m_out.tag(0, "ENDSEC");
    }

    void writeLayers(const AcDbSymbolTable& table) {
        const auto layers = live<AcDbLayerTableRecord>(DbAccess::records(table));
        const std::string t = dxfHex(table.handle().value());
        tableStart("LAYER", t, static_cast<int>(layers.size()));
        xdataOf(table);
        for (const auto* layer : layers) {
            recordStart("LAYER", dxfHex(layer->handle().value()), t, "AcDbLayerTableRecord",
                        DbAccess::name(*layer), layer->isLocked() ? 4 : 0);
            m_out.integer(62, layer->colorIndex());
            m_out.tag(6, "Continuous");
            xdataOf(*layer);
        }
        endTable();
    }

    void writeApps(const AcDbSymbolTable& table) {
        auto apps = live<AcDbRegAppTableRecord>(DbAccess::records(table));
        const std::string t = dxfHex(table.handle().value());
        std::vector<std::wstring> missing;
        for (const DxfCustomCodec* codec : dxfCodecs()) {
            bool found = false;
            for (const auto* app : apps)
                found = found || DbAccess::name(*app) == codec->appName();
            if (!found && usesClass(codec->customClass()))
                missing.push_back(codec->appName());
        }
        tableStart("APPID", t, static_cast<int>(apps.size() + missing.size()));
        xdataOf(table);
        for (const auto* app : apps) {
            recordStart("APPID", dxfHex(app->handle().value()), t, "AcDbRegAppTableRecord",
                        DbAccess::name(*app), 0);
            xdataOf(*app);
        }
        for (const std::wstring& name : missing)
            recordStart("APPID", handleOf("APPID:" + dxfAscii(name)), t, "AcDbRegAppTableRecord",
                        name, 0);
        endTable();
    }

    bool usesClass(const AcRxClass* cls) const { return m_classes.count(cls) > 0; }

    void writeBlockRecords(const AcDbSymbolTable& table) {
        const std::string t = dxfHex(table.handle().value());
        tableStart("BLOCK_RECORD", t, static_cast<int>(m_blocks.size()));
        xdataOf(table);
        for (const auto* block : m_blocks) {
            recordStart("BLOCK_RECORD", dxfHex(block->handle().value()), t, "AcDbBlockTableRecord",
                        DbAccess::name(*block), 0);
            xdataOf(*block);
        }
        endTable();
    }

    static bool isPaper(const std::wstring& name) { return name == L"*Paper_Space"; }
    static bool isLayoutBlock(const std::wstring& name) {
        return name == L"*Model_Space" || isPaper(name);
    }

    void writeBlocks() {
        section("BLOCKS");
        for (const auto* block : m_blocks) {
            const std::wstring& name = DbAccess::name(*block);
            const std::string owner = dxfHex(block->handle().value());
            m_out.tag(0, "BLOCK");
            m_out.tag(5, handleOf("BLOCK:" + owner));
            m_out.tag(330, owner);
            m_out.tag(100, "AcDbEntity");
            if (isPaper(name))
                m_out.integer(67, 1);
            m_out.tag(8, "0");
            m_out.tag(100, "AcDbBlockBegin");
            m_out.text(2, name);
            m_out.integer(70, 0);
            const AcGePoint3d base = block->origin();
            m_out.point(10, base.x, base.y, base.z);
            m_out.text(3, name);
            m_out.tag(1, "");
            if (!isLayoutBlock(name))
                writeEntitiesOf(*block, false);
            m_out.tag(0, "ENDBLK");
            m_out.tag(5, handleOf("ENDBLK:" + owner));
            m_out.tag(330, owner);
            m_out.tag(100, "AcDbEntity");
            if (isPaper(name))
                m_out.integer(67, 1);
            m_out.tag(8, "0");
            m_out.tag(100, "AcDbBlockEnd");
        }
        m_out.tag(0, "ENDSEC");
    }

    void writeEntities() {
        section("ENTITIES");
        for (const auto* block : m_blocks) {
            if (DbAccess::name(*block) == L"*Model_Space")
                writeEntitiesOf(*block, false);
        }
        for (const auto* block : m_blocks) {
            if (isPaper(DbAccess::name(*block)))
                writeEntitiesOf(*block, true);
        }
        m_out.tag(0, "ENDSEC");
    }

    // The live entities of the block, collected once for the whole write.
    const std::vector<AcDbEntity*>& entitiesOf(const AcDbBlockTableRecord& block) const {
        const auto at = std::find(m_blocks.begin(), m_blocks.end(), &block);
        return m_entities[static_cast<std::size_t>(at - m_blocks.begin())];
    }

    void writeEntitiesOf(const AcDbBlockTableRecord& block, bool paper) {
        for (const auto* ent : entitiesOf(block))
            writeEntity(*ent, *ent, block.handle(), paper, nullptr);
    }

    // The entity's layer name as AcDbEntity::layer() gives it ("0" when
    // none), without the copy.
    static const std::wstring& layerName(const AcDbEntity& ent) {
        static const std::wstring kNone = L"0";
        const auto* rec = AcDbLayerTableRecord::cast(DbAccess::objectOf(ent.layerId()));
        const std::wstring& name = rec ? DbAccess::name(*rec) : DbAccess::layerName(ent);
        return name.empty() ? kNone : name;
    }

    // Writes ent (or, for a custom entity, the standard entity shown) under
    // the identity of source.
    void writeEntity(const AcDbEntity& source, const AcDbEntity& ent, AcDbHandle owner, bool paper,
                     const resbuf* codecChain) {
        const char* kind = dxfEntityName(ent);
        if (kind == nullptr) {
            writeCustom(source, owner, paper);
            return;
        }
        const auto* ref = AcDbBlockReference::cast(&ent);
        const auto atts = ref && &ent == &source ? live<AcDbAttribute>(ref->attributeIds())
                                                 : std::vector<AcDbAttribute*>();
        m_out.tag(0, kind);
        const Adesk::UInt64 handle = source.handle().value();
        m_out.handle(5, handle);
        m_out.handle(330, owner.value());
        m_out.tag(100, "AcDbEntity");
        if (paper)
            m_out.integer(67, 1);
        m_out.text(8, layerName(source));
        if (source.colorIndex() != 256)
            m_out.integer(62, source.colorIndex());
        std::wstring blockName;
        if (ref != nullptr)
            blockName = m_blockNames[ref->blockTableRecord()];
        writeEntityBody(ent, blockName, !atts.empty(), m_out);
        writeOwnXData(source, codecChain);
        for (const auto* att : atts)
            writeEntity(*att, *att, source.handle(), paper, nullptr);
        if (!atts.empty()) {
            m_out.tag(0, "SEQEND");
            m_out.tag(5, handleOf("SEQEND:" + dxfHex(handle)));
            m_out.handle(330, handle);
            m_out.tag(100, "AcDbEntity");
            if (paper)
                m_out.integer(67, 1);
            m_out.text(8, layerName(source));
        }
    }

    // The entity's xdata, with a codec's application (codecChain, one
    // application's checked chain) put in as setXData would. Without xdata of
    // its own the chain is written as it stands.
    void writeOwnXData(const AcDbEntity& source, const resbuf* codecChain) {
        const XDataStore* xd = DbAccess::xdataOf(source);
        const bool own = xd != nullptr && !xd->apps().empty();
        if (codecChain == nullptr) {
            if (own)
                writeXData(xd->apps(), m_out);
            return;
        }
        if (!own) {
            writeXDataChain(codecChain, m_out);
            return;
        }
        std::vector<XDataApp> codecData;
        XDataStore::parse(codecChain, codecData);
        XDataStore merged;
        merged.apply(xd->apps());
        merged.apply(codecData);
        writeXData(merged.apps(), m_out);
    }

    void writeCustom(const AcDbEntity& custom, AcDbHandle owner, bool paper) {
        const std::string what = "entity " + dxfHex(custom.handle().value()) + " of class " +
                                 dxfAscii(custom.isA()->name());
        const DxfCustomCodec* codec = findDxfCodec(custom.isA());
        if (codec == nullptr) {
            m_findings.push_back(what + " has no DXF codec: not written");
            return;
        }
        std::unique_ptr<AcDbEntity> shown(codec->makeStandard(custom));
        resbuf* data = codec->makeXData(custom);
        if (shown == nullptr || dxfEntityName(*shown) == nullptr || !isOneAppChain(data)) {
            m_findings.push_back(what + ": its codec gave no standard entity or no data: "
                                        "not written");
        } else {
            writeEntity(custom, *shown, owner, paper, data);
        }
        acutRelRb(data);
    }

    const AcDbDatabase& m_db;
    const DatabaseStore& m_store;
    std::vector<std::string>& m_findings;
    Adesk::UInt64 m_next;
    std::map<std::string, Adesk::UInt64> m_made;
    std::vector<AcDbBlockTableRecord*> m_blocks;
    std::map<AcDbObjectId, std::wstring> m_blockNames;
    std::vector<std::vector<AcDbEntity*>> m_entities; // of each of m_blocks
    std::set<const AcRxClass*> m_classes;             // of every live entity
    DxfTagWriter m_out;
};

} // namespace

void writeDxf(const AcDbDatabase& db, std::vector<std::string>& findings, std::string& head,
              std::string& body) {
    Writer(db, findings).run(head, body);
}

std::string writeDxf(const AcDbDatabase& db, std::vector<std::string>& findings) {
    std::string head;
    std::string body;
    writeDxf(db, findings, head, body);
    return head + body;
}

} // namespace hxhost
