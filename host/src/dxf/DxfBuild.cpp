// Making a file's model into database objects.
#include "dxf/DxfBuild.h"

#include "text/AsciiCase.h"
#include "database/DbAccess.h"
#include "dxf/DxfEntities.h"
#include "dxf/DxfTags.h"
#include "hxhost/DxfCodec.h"
#include "acutads.h"
#include "dbents.h"

#include <algorithm>
#include <map>

namespace hxhost {
namespace {

class Builder {
public:
    Builder(DxfModel& model, const std::string& fileName, AcDbDatabase& db)
        : m_model(model), m_file(fileName), m_db(db), m_store(DbAccess::store(db)),
          m_xdataReader({}, fileName) {}
    ~Builder() { acutRelRb(m_chain); }
    Builder(const Builder&) = delete;
    Builder& operator=(const Builder&) = delete;

    void run() {
        const Adesk::UInt64 top = maxHandle();
        m_store.reserve(objectCount());
        m_fresh = std::max<Adesk::UInt64>(m_model.handseed, top + 1);
        placeTables();
        records(m_model.appids, m_db.regAppTableId(), [] { return new AcDbRegAppTableRecord; });
        records(m_model.layers, m_db.layerTableId(), [] { return new AcDbLayerTableRecord; });
        records(m_model.blockRecords, m_db.blockTableId(), [] { return new AcDbBlockTableRecord; });
        m_store.clayer =
            findRecord(m_db.layerTableId(), m_model.clayer.empty() ? L"0" : m_model.clayer);
        for (DxfBlock& block : m_model.blocks) {
            const AcDbObjectId owner = findRecord(m_db.blockTableId(), block.name);
            if (owner.isNull())
                fail(block.line, "expected a BLOCK_RECORD for block '" + dxfAscii(block.name) +
                                     "', found none");
            for (DxfEntityRecord& rec : block.entities)
                entity(rec, owner);
        }
        const AcDbObjectId model = space(L"*Model_Space");
        const AcDbObjectId paper = space(L"*Paper_Space");
        for (DxfEntityRecord& rec : m_model.entities)
            entity(rec, rec.paperSpace && !paper.isNull() ? paper : model);
        m_store.fileHandles = m_model.fileHandles;
        m_store.insbase = m_model.insbase;
        m_store.insunits = m_model.insunits;
        // Placing the tables passed through parking handles: set the seed
        // from what the drawing holds now.
        m_store.seed = AcDbHandle(m_fresh);
    }

private:
    [[noreturn]] void fail(int line, const std::string& message) const {
        throw DxfError(m_file + ":" + std::to_string(line) + ": " + message);
    }
    void finding(int line, const std::string& message) {
        m_model.findings.push_back(m_file + ":" + std::to_string(line) + ": " + message);
    }

    Adesk::UInt64 maxHandle() const {
        Adesk::UInt64 top = 0;
        for (const auto& [role, h] : m_model.fileHandles)
            top = std::max(top, h);
        for (const auto& [name, h] : m_model.tableHandles)
            top = std::max(top, h);
        for (const auto* list : {&m_model.appids, &m_model.layers, &m_model.blockRecords}) {
            for (const DxfTableRecord& rec : *list)
                top = std::max(top, rec.handle);
        }
        auto entities = [&top](const std::vector<DxfEntityRecord>& recs, auto& self) -> void {
            for (const DxfEntityRecord& rec : recs) {
                top = std::max({top, rec.handle, rec.seqendHandle});
                self(rec.attributes, self);
            }
        };
        entities(m_model.entities, entities);
        for (const DxfBlock& block : m_model.blocks)
            entities(block.entities, entities);
        return top;
    }

    // How many objects the model makes (a layer or two that it adds aside).
    std::size_t objectCount() const {
        std::size_t n = m_model.appids.size() + m_model.layers.size() + m_model.blockRecords.size();
        auto entities = [&n](const std::vector<DxfEntityRecord>& recs) {
            for (const DxfEntityRecord& rec : recs)
                n += 1 + rec.attributes.size();
        };
        entities(m_model.entities);
        for (const DxfBlock& block : m_model.blocks)
            entities(block.entities);
        return n;
    }

    // The three tables take the file's handles (fresh ones when it has none).
    void placeTables() {
        const std::pair<const char*, AcDbObjectId> tables[] = {
            {"BLOCK_RECORD", m_db.blockTableId()},
            {"LAYER", m_db.layerTableId()},
            {"APPID", m_db.regAppTableId()}};
        Adesk::UInt64 parking = ~Adesk::UInt64(0) - 8;
        for (const auto& [name, id] : tables)
            m_store.rehandle(id.stub(), AcDbHandle(parking++));
        for (const auto& [name, id] : tables) {
            auto it = m_model.tableHandles.find(name);
            const Adesk::UInt64 h = it != m_model.tableHandles.end() ? it->second : m_fresh++;
            if (!m_store.rehandle(id.stub(), AcDbHandle(h)))
                fail(0, "expected a unique handle for the " + std::string(name) +
                            " table, found handle " + dxfHex(h) + " used twice");
        }
    }

    AcDbObjectId adopt(AcDbObject* obj, AcDbObjectId owner, Adesk::UInt64 handle, int line) {
        const Adesk::UInt64 h = handle != 0 ? handle : m_fresh++;
        const AcDbObjectId id = DbAccess::adoptAt(m_db, obj, owner, AcDbHandle(h));
        if (id.isNull()) {
            delete obj;
            fail(line, "expected a unique handle, found handle " + dxfHex(h) + " used twice");
        }
        return id;
    }

    // The base point of the block of that name (the origin when the file has
    // no block of that name); the first block of a name counts.
    AcGePoint3d blockOrigin(const std::wstring& name) {
        if (m_blockOrigins.empty()) {
            for (const DxfBlock& block : m_model.blocks)
                m_blockOrigins.emplace(block.name, block.origin);
        }
        auto it = m_blockOrigins.find(name);
        return it == m_blockOrigins.end() ? AcGePoint3d() : it->second;
    }

    template <class Make>
    void records(std::vector<DxfTableRecord>& recs, AcDbObjectId tableId, Make make) {
        auto* table = AcDbSymbolTable::cast(DbAccess::objectOf(tableId));
        for (DxfTableRecord& rec : recs) {
            if (!findRecord(tableId, rec.name).isNull())
                fail(rec.line,
                     "expected a unique record name, found '" + dxfAscii(rec.name) + "' twice");
            AcDbSymbolTableRecord* obj = make();
            DbAccess::setName(*obj, rec.name);
            if (auto* block = AcDbBlockTableRecord::cast(obj))
                block->setOrigin(blockOrigin(rec.name));
            if (auto* layer = AcDbLayerTableRecord::cast(obj)) {
                layer->setIsLocked((rec.flags & 4) != 0);
                layer->setColorIndex(static_cast<Adesk::UInt16>(std::abs(rec.color)));
            }
            if (!rec.xdata.empty())
                DbAccess::xdata(*obj).apply(rec.xdata);
            DbAccess::records(*table).append(adopt(obj, tableId, rec.handle, rec.line));
        }
    }

    AcDbObjectId findRecord(AcDbObjectId tableId, const std::wstring& name) const {
        const auto* table = AcDbSymbolTable::cast(DbAccess::objectOf(tableId));
        const AcDbObjectIdArray& ids = DbAccess::records(*table);
        for (int i = 0; i < ids.length(); ++i) {
            const auto* rec = AcDbSymbolTableRecord::cast(DbAccess::objectOf(ids[i]));
            if (detail::sameNameNoCase(DbAccess::name(*rec).c_str(), name.c_str()))
                return ids[i];
        }
        return AcDbObjectId();
    }

    AcDbObjectId space(const wchar_t* name) {
        AcDbObjectId id = findRecord(m_db.blockTableId(), name);
        if (id.isNull() && std::wstring(name) == L"*Model_Space") {
            DxfTableRecord rec;
            rec.name = name;
            std::vector<DxfTableRecord> one{rec};
            records(one, m_db.blockTableId(), [] { return new AcDbBlockTableRecord; });
            id = findRecord(m_db.blockTableId(), name);
        }
        return id;
    }

    // The layer of that name (added, with a finding, when the table lacks
    // it). Entities of a drawing come in runs on one layer: the last one
    // found is tried first.
    AcDbObjectId layer(const std::wstring& name, int line) {
        if (!m_lastLayerId.isNull() && name == m_lastLayer)
            return m_lastLayerId;
        AcDbObjectId id = findRecord(m_db.layerTableId(), name);
        if (id.isNull())
            id = addLayer(name, line);
        m_lastLayer = name;
        m_lastLayerId = id;
        return id;
    }
    AcDbObjectId addLayer(const std::wstring& name, int line) {
        finding(line, "layer '" + dxfAscii(name) + "' missing from the LAYER table: added");
        DxfTableRecord rec;
        rec.name = name;
        std::vector<DxfTableRecord> one{rec};
        records(one, m_db.layerTableId(), [] { return new AcDbLayerTableRecord; });
        return findRecord(m_db.layerTableId(), name);
    }

    // The xdata of a record, parsed from its text (checked when read).
    std::vector<XDataApp> xdataOf(const DxfEntityRecord& rec) {
        if (rec.xdataText.empty())
            return {};
        return readXDataText(rec.xdataText, rec.xdataLine, m_xdataReader, m_model.decoder,
                             m_xdataTags);
    }

    // The codec of the application whose 1001 group has that text, and the
    // application's name. Entities come in runs of one kind: the last text
    // looked up is tried first.
    const DxfCustomCodec* codecOf(std::string_view appText) {
        if (!m_lastAppText.empty() && appText == m_lastAppText)
            return m_lastCodec;
        m_lastAppName = m_model.decoder.decode(appText);
        m_lastCodec = findDxfCodecByApp(m_lastAppName.c_str());
        m_lastAppText = appText;
        return m_lastCodec;
    }

    // The custom entity a codec makes of rec, or null (rec kept standard),
    // from the groups of rec's xdata (m_xdataTags). xdata receives rec's
    // other applications (all of them when no codec made an entity). The
    // codec's application goes from its groups to its chain directly.
    AcDbEntity* custom(DxfEntityRecord& rec, std::vector<XDataApp>& xdata) {
        const std::vector<DxfTag>& tags = m_xdataTags;
        std::size_t apps = 0;
        for (const DxfTag& tag : tags)
            apps += tag.code == 1001 ? 1 : 0;
        std::size_t ordinal = 0;
        for (std::size_t i = 0; i < tags.size(); ++i) {
            if (tags[i].code != 1001)
                continue;
            const DxfCustomCodec* codec = codecOf(tags[i].value);
            if (codec == nullptr) {
                ++ordinal;
                continue;
            }
            readXDataChain(tags, i, m_lastAppName, m_xdataReader, m_model.decoder, m_chain);
            AcDbEntity* made = codec->makeCustom(*rec.entity, m_chain);
            if (made == nullptr) {
                finding(rec.line, "entity " + dxfHex(rec.handle) + " with xdata of '" +
                                      dxfAscii(m_lastAppName) +
                                      "' refused by its codec: kept as a standard entity");
                xdata = readXData(tags, m_xdataReader, m_model.decoder);
                return nullptr;
            }
            if (apps > 1) {
                xdata = readXData(tags, m_xdataReader, m_model.decoder);
                xdata.erase(xdata.begin() + static_cast<long>(ordinal));
            }
            return made;
        }
        xdata = readXData(tags, m_xdataReader, m_model.decoder);
        return nullptr;
    }

    void entity(DxfEntityRecord& rec, AcDbObjectId owner) {
        const AcDbObjectId layerId = layer(rec.layer, rec.line);
        AcDbObjectId blockId;
        if (AcDbBlockReference::cast(rec.entity.get())) {
            blockId = findRecord(m_db.blockTableId(), rec.blockName);
            if (blockId.isNull())
                fail(rec.line, "expected the block '" + dxfAscii(rec.blockName) +
                                   "' of the INSERT in the file, found none");
            static_cast<AcDbBlockReference*>(rec.entity.get())->setBlockTableRecord(blockId);
        }
        std::vector<XDataApp> xdata;
        AcDbEntity* ent = nullptr;
        if (!rec.xdataText.empty()) {
            readXDataTags(rec.xdataText, rec.xdataLine, m_xdataReader, m_xdataTags);
            ent = custom(rec, xdata);
        }
        if (ent != nullptr)
            ent->setColorIndex(rec.entity->colorIndex());
        else
            ent = rec.entity.release();
        DbAccess::setLayer(*ent, layerId, rec.layer);
        if (!xdata.empty())
            DbAccess::xdata(*ent).apply(xdata);
        const AcDbObjectId id = adopt(ent, owner, rec.handle, rec.line);
        rec.entity.reset();
        auto* block = AcDbBlockTableRecord::cast(DbAccess::objectOf(owner));
        if (block != nullptr)
            DbAccess::entities(*block).append(id);
        attributes(rec, id);
    }

    void attributes(DxfEntityRecord& rec, AcDbObjectId refId) {
        auto* ref = AcDbBlockReference::cast(DbAccess::objectOf(refId));
        for (DxfEntityRecord& att : rec.attributes) {
            if (ref == nullptr)
                break;
            DbAccess::setLayer(*att.entity, layer(att.layer, att.line), att.layer);
            if (!att.xdataText.empty())
                DbAccess::xdata(*att.entity).apply(xdataOf(att));
            const AcDbObjectId id = adopt(att.entity.release(), refId, att.handle, att.line);
            DbAccess::attributes(*ref).append(id);
        }
        if (rec.seqendHandle != 0)
            m_model.fileHandles["SEQEND:" + dxfHex(refId.handle().value())] = rec.seqendHandle;
    }

    DxfModel& m_model;
    const std::string& m_file;
    AcDbDatabase& m_db;
    DatabaseStore& m_store;
    Adesk::UInt64 m_fresh = 1;
    std::map<std::wstring, AcGePoint3d> m_blockOrigins;
    DxfTagReader m_xdataReader;      // reads the records' xdata texts
    std::vector<DxfTag> m_xdataTags; // their groups, room kept from record to record
    std::wstring m_lastLayer;        // the layer the last entity found, and its id
    AcDbObjectId m_lastLayerId;
    std::string_view m_lastAppText;              // the last application looked up, as in the file,
    std::wstring m_lastAppName;                  // its name
    const DxfCustomCodec* m_lastCodec = nullptr; // and its codec (null: none)
    resbuf* m_chain = nullptr; // the last chain given to a codec, its buffers reused
};

} // namespace

void buildDatabase(DxfModel& model, const std::string& fileName, AcDbDatabase& db) {
    Builder(model, fileName, db).run();
}

} // namespace hxhost
