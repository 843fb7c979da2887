// Reading a DXF file's sections into a DxfModel.
#include "dxf/DxfReader.h"

#include "dxf/DxfEntities.h"
#include "dbents.h"
#include "dxf/DxfTags.h"

namespace hxhost {
namespace {

std::string at(const std::string& fileName, int line) {
    return fileName + ":" + std::to_string(line) + ": ";
}

class Reader {
public:
    Reader(std::string_view text, const std::string& fileName, DxfModel& model)
        : m_text(text), m_tags(text, fileName), m_model(model) {}

    void run() {
        if (m_tags.atEnd())
            m_tags.failAt(1, "expected a DXF drawing (0 SECTION), found an empty file");
        for (;;) {
            const DxfTag tag = m_tags.next();
            if (tag.code == 0 && tag.value == "EOF")
                break;
            if (tag.code != 0 || tag.value != "SECTION")
                m_tags.fail(tag, "0 SECTION or 0 EOF");
            const DxfTag name = m_tags.next();
            if (name.code != 2)
                m_tags.fail(name, "the section name (group code 2)");
            section(name);
        }
        if (m_model.version.empty())
            m_tags.failAt(1, "expected a HEADER section with $ACADVER, found none");
        m_model.decoder = m_decoder;
    }

private:
    void section(const DxfTag& name) {
        if (name.value == "HEADER")
            header();
        else if (name.value == "TABLES")
            tables();
        else if (name.value == "BLOCKS")
            blocks();
        else if (name.value == "ENTITIES")
            entitySection(nullptr);
        else if (name.value == "OBJECTS")
            objects();
        else
            skipSection(name.value != "CLASSES" && name.value != "THUMBNAILIMAGE", name);
    }
    // The groups of one record, up to the next group 0. Notes where its
    // xdata starts in the text (m_xdataText, empty when it has none).
    std::vector<DxfTag> body() {
        std::vector<DxfTag> tags;
        tags.reserve(32);
        fillBody(tags);
        return tags;
    }
    // The same into the reader's own buffer (its room kept from record to
    // record): valid until the next call.
    const std::vector<DxfTag>& entityBody() {
        m_body.clear();
        fillBody(m_body);
        return m_body;
    }
    void fillBody(std::vector<DxfTag>& tags) {
        std::size_t xdataStart = std::string_view::npos;
        while (m_tags.peek().code != 0) {
            if (m_tags.peek().code == 1001 && xdataStart == std::string_view::npos) {
                xdataStart = m_tags.offset();
                m_xdataLine = m_tags.peek().line;
            }
            tags.push_back(m_tags.next());
        }
        m_xdataText = xdataStart == std::string_view::npos
                          ? std::string_view()
                          : m_text.substr(xdataStart, m_tags.offset() - xdataStart);
    }
    static const DxfTag* find(const std::vector<DxfTag>& tags, int code) {
        for (const DxfTag& t : tags) {
            if (t.code == code)
                return &t;
            if (t.code == 1001)
                break;
        }
        return nullptr;
    }
    void finding(int line, const std::string& text) {
        m_model.findings.push_back(at(m_tags.fileName(), line) + text);
    }
    void skipSection(bool report, const DxfTag& name) {
        while (!(m_tags.peek().code == 0 && m_tags.peek().value == "ENDSEC"))
            m_tags.next();
        m_tags.next();
        if (report)
            finding(name.line, "section " + std::string(name.value) + " not kept");
    }

    void header() {
        for (;;) {
            const DxfTag tag = m_tags.next();
            if (tag.code == 0 && tag.value == "ENDSEC")
                break;
            if (tag.code != 9)
                m_tags.fail(tag, "a header variable (group code 9) or 0 ENDSEC");
            const std::vector<DxfTag> values = body9();
            variable(tag, values);
        }
    }
    std::vector<DxfTag> body9() {
        std::vector<DxfTag> tags;
        while (m_tags.peek().code != 0 && m_tags.peek().code != 9)
            tags.push_back(m_tags.next());
        return tags;
    }
    void variable(const DxfTag& name, const std::vector<DxfTag>& values) {
        const DxfTag* first = values.empty() ? nullptr : &values.front();
        if (name.value == "$ACADVER") {
            if (first == nullptr)
                m_tags.fail(name, "the value of $ACADVER");
            m_model.version = std::string(first->value);
            if (m_model.version.size() != 6 || m_model.version.compare(0, 2, "AC") != 0 ||
                m_model.version < "AC1015")
                throw DxfVersionError(at(m_tags.fileName(), first->line) +
                                      "expected a drawing of AC1015 (AutoCAD 2000) or later, "
                                      "found version " +
                                      quoteValue(m_model.version));
            m_decoder.utf8 = m_model.version >= "AC1021";
        } else if (name.value == "$DWGCODEPAGE" && first) {
            m_decoder.setCodePage(first->value);
        } else if (name.value == "$HANDSEED" && first) {
            m_model.handseed = m_tags.handle(*first);
        } else if (name.value == "$INSUNITS" && first) {
            m_model.insunits = static_cast<int>(m_tags.integer(*first));
        } else if (name.value == "$CLAYER" && first) {
            m_model.clayer = m_decoder.decode(first->value);
        } else if (name.value == "$INSBASE") {
            for (const DxfTag& v : values) {
                if (v.code >= 10 && v.code <= 30 && v.code % 10 == 0)
                    m_model.insbase[static_cast<unsigned>(v.code / 10 - 1)] = m_tags.real(v);
            }
        }
    }

    void tables() {
        for (;;) {
            const DxfTag tag = m_tags.next();
            if (tag.code == 0 && tag.value == "ENDSEC")
                return;
            if (tag.code != 0 || tag.value != "TABLE")
                m_tags.fail(tag, "0 TABLE or 0 ENDSEC");
            table();
        }
    }
    void table() {
        const std::vector<DxfTag> head = body();
        const DxfTag* name = find(head, 2);
        if (name == nullptr)
            m_tags.failAt(head.empty() ? m_tags.peek().line : head.front().line,
                          "expected the table name (group code 2)");
        const DxfTag* handle = find(head, 5);
        if (handle != nullptr) {
            m_model.tableHandles[std::string(name->value)] = m_tags.handle(*handle);
            m_model.fileHandles["TABLE:" + std::string(name->value)] = m_tags.handle(*handle);
        }
        const std::string tableName(name->value);
        for (;;) {
            const DxfTag tag = m_tags.next();
            if (tag.value == "ENDTAB")
                return;
            record(tableName, tag, body());
        }
    }
    void record(const std::string& table, const DxfTag& kind, const std::vector<DxfTag>& tags) {
        DxfTableRecord rec;
        rec.line = kind.line;
        const DxfTag* name = find(tags, 2);
        if (name == nullptr)
            m_tags.failAt(kind.line,
                          "expected the record name (group code 2) of " + std::string(kind.value));
        rec.name = m_decoder.decode(name->value);
        const DxfTag* handle = find(tags, table == "DIMSTYLE" ? 105 : 5);
        rec.handle = handle ? m_tags.handle(*handle) : 0;
        const DxfTag* flags = find(tags, 70);
        rec.flags = flags ? static_cast<int>(m_tags.integer(*flags)) : 0;
        const DxfTag* color = find(tags, 62);
        rec.color = color ? static_cast<int>(m_tags.integer(*color)) : 7;
        rec.xdata = readXData(tags, m_tags, m_decoder);
        if (table == "APPID")
            m_model.appids.push_back(std::move(rec));
        else if (table == "LAYER")
            m_model.layers.push_back(std::move(rec));
        else if (table == "BLOCK_RECORD")
            m_model.blockRecords.push_back(std::move(rec));
        else
            otherRecord(table, rec, std::string(name->value));
    }
    // Records of the tables the stand-in does not model: the standard ones
    // keep their handles for writing; others are reported.
    void otherRecord(const std::string& table, const DxfTableRecord& rec, const std::string& name) {
        static const char* const kStandard[] = {"VPORT:*Active",  "LTYPE:ByBlock",
                                                "LTYPE:ByLayer",  "LTYPE:Continuous",
                                                "STYLE:Standard", "DIMSTYLE:Standard"};
        const std::string role = table + ":" + name;
        for (const char* standard : kStandard) {
            if (role == standard) {
                m_model.fileHandles[role] = rec.handle;
                if (!rec.xdata.empty())
                    finding(rec.line, table + " record '" + name + "' has xdata: not kept");
                return;
            }
        }
        finding(rec.line, table + " record '" + name + "' not kept" +
                              (rec.xdata.empty() ? "" : " (with its xdata)"));
    }

    void blocks() {
        for (;;) {
            const DxfTag tag = m_tags.next();
            if (tag.code == 0 && tag.value == "ENDSEC")
                return;
            if (tag.code != 0 || tag.value != "BLOCK")
                m_tags.fail(tag, "0 BLOCK or 0 ENDSEC");
            const std::vector<DxfTag> head = body();
            const DxfTag* name = find(head, 2);
            if (name == nullptr)
                m_tags.failAt(tag.line, "expected the block name (group code 2)");
            DxfBlock block;
            block.name = m_decoder.decode(name->value);
            block.line = tag.line;
            const DxfTag* owner = find(head, 330);
            const std::string ownerHex(owner ? owner->value : name->value);
            if (const DxfTag* h = find(head, 5))
                m_model.fileHandles["BLOCK:" + ownerHex] = m_tags.handle(*h);
            for (const DxfTag& v : head) {
                if (v.code == 10 || v.code == 20 || v.code == 30)
                    block.origin[static_cast<unsigned>(v.code / 10 - 1)] = m_tags.real(v);
            }
            entitySection(&block);
            const std::vector<DxfTag> tail = body();
            if (const DxfTag* h = find(tail, 5))
                m_model.fileHandles["ENDBLK:" + ownerHex] = m_tags.handle(*h);
            m_model.blocks.push_back(std::move(block));
        }
    }

    // Entities up to ENDSEC (the ENTITIES section) or ENDBLK (a block, whose
    // ENDBLK is consumed).
    void entitySection(DxfBlock* block) {
        const char* end = block ? "ENDBLK" : "ENDSEC";
        for (;;) {
            const DxfTag tag = m_tags.next();
            if (tag.code != 0)
                m_tags.fail(tag, "an entity (group code 0)");
            if (tag.value == end)
                return;
            if (tag.value == "ENDSEC" || tag.value == "EOF" || tag.value == "ENDBLK")
                m_tags.fail(tag, std::string("an entity or 0 ") + end);
            DxfEntityRecord rec;
            if (!entity(tag, entityBody(), rec))
                continue;
            if (rec.blockName.size() > 0 || rec.entity->isA() == AcDbBlockReference::desc())
                attributes(rec);
            (block ? block->entities : m_model.entities).push_back(std::move(rec));
        }
    }
    bool entity(const DxfTag& kind, const std::vector<DxfTag>& tags, DxfEntityRecord& rec) {
        rec.line = kind.line;
        rec.entity = readEntityBody(kind.value, tags, m_tags, m_decoder, rec.blockName);
        checkXData(tags, m_tags);
        rec.xdataText = m_xdataText;
        rec.xdataLine = m_xdataLine;
        if (rec.entity == nullptr) {
            finding(kind.line, "entity " + std::string(kind.value) +
                                   " not kept (the stand-in does not hold "
                                   "this kind)" +
                                   (rec.xdataText.empty() ? "" : ", with its xdata"));
            return false;
        }
        if (const DxfTag* h = find(tags, 5))
            rec.handle = m_tags.handle(*h);
        const DxfTag* layer = find(tags, 8);
        rec.layer = layer ? m_decoder.decode(layer->value) : L"0";
        if (const DxfTag* color = find(tags, 62)) {
            const long long c = m_tags.integer(*color);
            if (c < 0 || c > 257)
                m_tags.fail(*color, "a colour number from 0 to 257");
            rec.entity->setColorIndex(static_cast<Adesk::UInt16>(c));
        }
        const DxfTag* space = find(tags, 67);
        rec.paperSpace = space && m_tags.integer(*space) == 1;
        return true;
    }
    // The ATTRIBs and SEQEND that follow an INSERT with group 66 set.
    void attributes(DxfEntityRecord& ref) {
        while (m_tags.peek().code == 0 && m_tags.peek().value == "ATTRIB") {
            const DxfTag kind = m_tags.next();
            DxfEntityRecord att;
            entity(kind, entityBody(), att);
            ref.attributes.push_back(std::move(att));
        }
        if (m_tags.peek().code == 0 && m_tags.peek().value == "SEQEND") {
            m_tags.next();
            const std::vector<DxfTag> tags = body();
            if (const DxfTag* h = find(tags, 5))
                ref.seqendHandle = m_tags.handle(*h);
        } else if (!ref.attributes.empty()) {
            m_tags.fail(m_tags.peek(), "0 SEQEND after the attributes");
        }
    }

    void objects() {
        int skipped = 0;
        int first = 0;
        bool root = true;
        for (;;) {
            const DxfTag tag = m_tags.next();
            if (tag.code == 0 && tag.value == "ENDSEC")
                break;
            if (tag.code != 0)
                m_tags.fail(tag, "an object (group code 0)");
            const std::vector<DxfTag> tags = body();
            const DxfTag* h = find(tags, 5);
            if (root && tag.value == "DICTIONARY" && h) {
                m_model.fileHandles["OBJ:ROOT"] = m_tags.handle(*h);
                rootEntries(tags);
            } else if (h && m_groupDict == h->value) {
                m_model.fileHandles["OBJ:ACAD_GROUP"] = m_tags.handle(*h);
            } else if (!readXData(tags, m_tags, m_decoder).empty()) {
                finding(tag.line, "object " + std::string(tag.value) + " with xdata not kept");
            } else {
                first = first ? first : tag.line;
                ++skipped;
            }
            root = false;
        }
        if (skipped > 0)
            finding(first, std::to_string(skipped) + " other objects of the OBJECTS section "
                                                     "not kept");
    }
    void rootEntries(const std::vector<DxfTag>& tags) {
        for (std::size_t i = 0; i + 1 < tags.size(); ++i) {
            if (tags[i].code == 3 && tags[i].value == "ACAD_GROUP" && tags[i + 1].code == 350)
                m_groupDict = std::string(tags[i + 1].value);
        }
    }

    std::string_view m_text;
    DxfTagReader m_tags;
    DxfModel& m_model;
    std::vector<DxfTag> m_body;   // of the last entityBody()
    std::string_view m_xdataText; // of the last body()
    int m_xdataLine = 0;
    DxfTextDecoder m_decoder;
    std::string m_groupDict;
};

} // namespace

void readDxf(std::string_view text, const std::string& fileName, DxfModel& model) {
    Reader(text, fileName, model).run();
}

} // namespace hxhost
