// Reading the bodies of the standard entities and xdata from DXF groups.
#include "dxf/DxfEntities.h"

#include "database/ResbufAlloc.h"

#include "dbents.h"
#include "dbmtext.h"
#include "dbpl.h"
#include "acutads.h"

#include <charconv>
#include <cstdlib>
#include <cmath>

namespace hxhost {
namespace {

const double kRadians = std::acos(-1.0) / 180.0;

// The groups of one entity up to its xdata, as a range of the record's
// groups (no copy).
struct TagRange {
    const DxfTag* first = nullptr;
    const DxfTag* last = nullptr;
    const DxfTag* begin() const { return first; }
    const DxfTag* end() const { return last; }
    bool empty() const { return first == last; }
    const DxfTag& front() const { return *first; }
};

// The groups of one entity up to its xdata, looked up by code.
class Fields {
public:
    Fields(const std::vector<DxfTag>& tags, const DxfTagReader& reader,
           const DxfTextDecoder& decoder)
        : m_reader(reader), m_decoder(decoder) {
        m_tags.first = tags.data();
        m_tags.last = tags.data();
        const DxfTag* const end = tags.data() + tags.size();
        while (m_tags.last != end && m_tags.last->code != 1001)
            ++m_tags.last;
    }
    const DxfTag* find(int code) const {
        for (const DxfTag& tag : m_tags) {
            if (tag.code == code)
                return &tag;
        }
        return nullptr;
    }
    double real(int code, double fallback) const {
        const DxfTag* tag = find(code);
        return tag ? m_reader.real(*tag) : fallback;
    }
    long long integer(int code, long long fallback) const {
        const DxfTag* tag = find(code);
        return tag ? m_reader.integer(*tag) : fallback;
    }
    std::wstring text(int code) const {
        const DxfTag* tag = find(code);
        return tag ? m_decoder.decode(tag->value) : std::wstring();
    }
    AcGePoint3d point(int code) const {
        return AcGePoint3d(real(code, 0), real(code + 10, 0), real(code + 20, 0));
    }
    const TagRange& all() const { return m_tags; }
    const DxfTagReader& reader() const { return m_reader; }
    const DxfTextDecoder& decoder() const { return m_decoder; }

private:
    TagRange m_tags;
    const DxfTagReader& m_reader;
    const DxfTextDecoder& m_decoder;
};

// The alignment mode of group `code` (0 when absent); a value outside
// 0 .. last stops the read, as no mode of the enumeration holds it.
template <class Mode>
Mode alignmentMode(const Fields& f, int code, Mode last, const char* expected) {
    const long long value = f.integer(code, 0);
    if (value < 0 || value > static_cast<long long>(last))
        f.reader().fail(*f.find(code), expected);
    return static_cast<Mode>(value);
}

AcDb::TextVertMode verticalMode(const Fields& f, int code) {
    return alignmentMode(f, code, AcDb::kTextTop, "a vertical alignment of 0 to 3");
}

void readTextPart(const Fields& f, AcDbText& text) {
    text.setPosition(f.point(10));
    text.setHeight(std::fabs(f.real(40, 0)));
    text.setTextString(f.text(1).c_str());
    text.setRotation(f.real(50, 0) * kRadians);
    text.setHorizontalMode(
        alignmentMode(f, 72, AcDb::kTextFit, "a horizontal alignment of 0 to 5"));
    text.setAlignmentPoint(f.find(11) ? f.point(11) : f.point(10));
}

std::unique_ptr<AcDbEntity> readText(const Fields& f) {
    auto text = std::make_unique<AcDbText>();
    readTextPart(f, *text);
    text->setVerticalMode(verticalMode(f, 73));
    return text;
}

std::unique_ptr<AcDbEntity> readAttribute(const Fields& f) {
    auto att = std::make_unique<AcDbAttribute>();
    readTextPart(f, *att);
    att->setVerticalMode(verticalMode(f, 74));
    if (att->setTag(f.text(2).c_str()) != Acad::eOk)
        f.reader().failAt(f.all().empty() ? 0 : f.all().front().line - 1,
                          "expected an attribute tag (group code 2) without blanks");
    att->setInvisible((f.integer(70, 0) & 1) != 0);
    return att;
}

std::unique_ptr<AcDbEntity> readAttributeDefinition(const Fields& f) {
    auto def = std::make_unique<AcDbAttributeDefinition>();
    readTextPart(f, *def);
    def->setVerticalMode(verticalMode(f, 74));
    if (def->setTag(f.text(2).c_str()) != Acad::eOk)
        f.reader().failAt(f.all().empty() ? 0 : f.all().front().line - 1,
                          "expected an attribute tag (group code 2) without blanks");
    def->setPrompt(f.text(3).c_str());
    return def;
}

std::unique_ptr<AcDbEntity> readMText(const Fields& f) {
    auto mtext = std::make_unique<AcDbMText>();
    mtext->setLocation(f.point(10));
    const double height = f.real(40, 2.5);
    if (height > 0)
        mtext->setTextHeight(height);
    mtext->setWidth(std::fabs(f.real(41, 0)));
    const long long attach = f.integer(71, 1);
    if (attach >= 1 && attach <= 9)
        mtext->setAttachment(static_cast<AcDbMText::AttachmentPoint>(attach));
    std::string raw;
    for (const DxfTag& tag : f.all()) {
        if (tag.code == 3)
            raw += tag.value;
    }
    if (const DxfTag* last = f.find(1))
        raw += last->value;
    mtext->setContents(f.decoder().decode(raw).c_str());
    if (f.find(11))
        mtext->setRotation(std::atan2(f.real(21, 0), f.real(11, 1)));
    else
        mtext->setRotation(f.real(50, 0) * kRadians);
    return mtext;
}

std::unique_ptr<AcDbEntity> readPolyline(const Fields& f) {
    auto pline = std::make_unique<AcDbPolyline>();
    pline->setClosed((f.integer(70, 0) & 1) != 0);
    pline->setElevation(f.real(38, 0));
    pline->setConstantWidth(std::fabs(f.real(43, 0)));
    const DxfTagReader& r = f.reader();
    for (const DxfTag& t : f.all()) {
        const DxfTag* tag = &t;
        const unsigned n = pline->numVerts();
        if (tag->code == 10) {
            pline->addVertexAt(n, AcGePoint2d(r.real(*tag), 0));
        } else if (n == 0) {
            continue;
        } else if (tag->code == 20) {
            AcGePoint2d pt;
            pline->getPointAt(n - 1, pt);
            double bulge = 0;
            pline->getBulgeAt(n - 1, bulge);
            pline->removeVertexAt(n - 1);
            pline->addVertexAt(n - 1, AcGePoint2d(pt.x, r.real(*tag)), bulge);
        } else if (tag->code == 42) {
            pline->setBulgeAt(n - 1, r.real(*tag));
        } else if (tag->code == 40 || tag->code == 41) {
            AcGePoint2d pt;
            double bulge = 0;
            double widths[2] = {-1, -1};
            pline->getPointAt(n - 1, pt);
            pline->getBulgeAt(n - 1, bulge);
            pline->getWidthsAt(n - 1, widths[0], widths[1]);
            widths[tag->code - 40] = r.real(*tag);
            pline->removeVertexAt(n - 1);
            pline->addVertexAt(n - 1, pt, bulge, widths[0], widths[1]);
        }
    }
    const DxfTag* count = f.find(90);
    if (count != nullptr && r.integer(*count) != pline->numVerts())
        r.fail(*count, "as many vertices as group code 90 says (" +
                           std::to_string(pline->numVerts()) + " found)");
    return pline;
}

// Reads the xdata item at tags[i] into item, or only checks it when item is
// null; i moves past the groups it takes.
void readItem(const std::vector<DxfTag>& tags, std::size_t& i, const DxfTagReader& r,
              const DxfTextDecoder& decoder, XDataItem* item) {
    const DxfTag& tag = tags[i];
    XDataItem unused;
    XDataItem& out = item ? *item : unused;
    out.code = static_cast<short>(tag.code);
    const int code = tag.code;
    if (code == 1004) {
        const std::string_view hex = tag.value;
        if (hex.size() % 2 != 0 || hex.size() > 254 ||
            hex.find_first_not_of("0123456789ABCDEFabcdef") != std::string_view::npos)
            r.fail(tag, "hexadecimal bytes for group code 1004");
        if (item == nullptr)
            return;
        out.bytes.reserve(hex.size() / 2);
        for (std::size_t k = 0; k < hex.size(); k += 2) {
            unsigned byte = 0;
            std::from_chars(hex.data() + k, hex.data() + k + 2, byte, 16);
            out.bytes.push_back(static_cast<char>(byte));
        }
    } else if (code >= 1010 && code <= 1013) {
        out.values[0] = r.real(tag);
        for (int axis = 1; axis <= 2; ++axis) {
            if (i + 1 >= tags.size() || tags[i + 1].code != code + 10 * axis)
                r.fail(i + 1 < tags.size() ? tags[i + 1] : tag,
                       "group code " + std::to_string(code + 10 * axis) + " of the point");
            out.values[axis] = r.real(tags[++i]);
        }
    } else if (code >= 1040 && code <= 1042) {
        out.values[0] = r.real(tag);
    } else if (code == 1070 || code == 1071) {
        const long long v = r.integer(tag);
        const long long limit = code == 1070 ? 32767 : 2147483647LL;
        if (v > limit || v < -limit - 1)
            r.fail(tag, "an integer in range for group code " + std::to_string(code));
        out.integer = static_cast<Adesk::Int32>(v);
    } else if (code == 1005) {
        r.handle(tag);
        if (item != nullptr)
            out.text = decoder.decode(tag.value);
    } else if (code == 1000 || code == 1002 || code == 1003) {
        if (item != nullptr)
            out.text = decoder.decode(tag.value);
    } else {
        r.fail(tag, "an xdata group code (1000 to 1071)");
    }
}

// The first 1001 group of tags (tags.size() when none).
std::size_t firstApp(const std::vector<DxfTag>& tags) {
    std::size_t i = 0;
    while (i < tags.size() && tags[i].code != 1001)
        ++i;
    return i;
}

// How many groups follow the 1001 group at tags[i] up to the next one: room
// enough for that application's items.
std::size_t groupsOfApp(const std::vector<DxfTag>& tags, std::size_t i) {
    std::size_t n = 0;
    while (i + 1 + n < tags.size() && tags[i + 1 + n].code != 1001)
        ++n;
    return n;
}

} // namespace

std::unique_ptr<AcDbEntity> readEntityBody(std::string_view kind, const std::vector<DxfTag>& tags,
                                           const DxfTagReader& reader,
                                           const DxfTextDecoder& decoder, std::wstring& blockName) {
    const Fields f(tags, reader, decoder);
    if (kind == "LINE")
        return std::make_unique<AcDbLine>(f.point(10), f.point(11));
    if (kind == "CIRCLE") {
        auto circle = std::make_unique<AcDbCircle>();
        circle->setCenter(f.point(10));
        if (circle->setRadius(f.real(40, 1)) != Acad::eOk)
            reader.fail(*f.find(40), "a radius above zero");
        return circle;
    }
    if (kind == "TEXT")
        return readText(f);
    if (kind == "ATTRIB")
        return readAttribute(f);
    if (kind == "ATTDEF")
        return readAttributeDefinition(f);
    if (kind == "MTEXT")
        return readMText(f);
    if (kind == "LWPOLYLINE")
        return readPolyline(f);
    if (kind == "INSERT") {
        blockName = f.text(2);
        return std::make_unique<AcDbBlockReference>(f.point(10), AcDbObjectId());
    }
    return nullptr;
}

std::vector<XDataApp> readXData(const std::vector<DxfTag>& tags, const DxfTagReader& reader,
                                const DxfTextDecoder& decoder) {
    std::vector<XDataApp> apps;
    for (std::size_t i = firstApp(tags); i < tags.size(); ++i) {
        if (tags[i].code == 1001) {
            apps.push_back(XDataApp{decoder.decode(tags[i].value), {}});
            apps.back().items.reserve(groupsOfApp(tags, i));
            continue;
        }
        apps.back().items.emplace_back();
        readItem(tags, i, reader, decoder, &apps.back().items.back());
    }
    return apps;
}

void checkXData(const std::vector<DxfTag>& tags, const DxfTagReader& reader) {
    const DxfTextDecoder unused;
    for (std::size_t i = firstApp(tags); i < tags.size(); ++i) {
        if (tags[i].code != 1001)
            readItem(tags, i, reader, unused, nullptr);
    }
}

void readXDataTags(std::string_view text, int line, DxfTagReader& reader,
                   std::vector<DxfTag>& tags) {
    tags.clear();
    reader.reset(text, line);
    while (!reader.atEnd())
        tags.push_back(reader.next());
}

namespace {

// The buffer at *link, made or reused (its value's memory released) as a
// buffer of that type; link moves on to its rbnext. Null when memory runs out.
resbuf* reuseRb(resbuf**& link, int type) {
    resbuf* rb = *link;
    if (rb == nullptr) {
        rb = newRb(type);
        *link = rb;
    } else {
        if (holdsString(rb->restype))
            std::free(rb->resval.rstring);
        else if (holdsBinary(rb->restype))
            std::free(rb->resval.rbinary.buf);
        rb->resval = {};
        rb->restype = static_cast<short>(type);
    }
    if (rb != nullptr)
        link = &rb->rbnext;
    return rb;
}

} // namespace

bool readXDataChain(const std::vector<DxfTag>& tags, std::size_t app, const std::wstring& name,
                    const DxfTagReader& reader, const DxfTextDecoder& decoder, resbuf*& chain) {
    resbuf** link = &chain;
    bool ok = app + 1 < tags.size() && tags[app + 1].code != 1001; // else no items
    const bool sameLead = ok && chain != nullptr && chain->restype == 1001 &&
                          chain->resval.rstring != nullptr && name == chain->resval.rstring;
    if (sameLead) {
        link = &chain->rbnext;
    } else if (ok) {
        resbuf* lead = reuseRb(link, 1001);
        ok = lead != nullptr && (lead->resval.rstring = mallocCopy(name.c_str())) != nullptr;
    }
    XDataItem item; // room reused from item to item
    for (std::size_t i = app + 1; ok && i < tags.size() && tags[i].code != 1001; ++i) {
        item.bytes.clear();
        readItem(tags, i, reader, decoder, &item);
        resbuf* rb = reuseRb(link, item.code);
        ok = rb != nullptr && XDataStore::fillRb(item, rb);
    }
    if (!ok) {
        acutRelRb(chain);
        chain = nullptr;
        return app + 1 >= tags.size() || tags[app + 1].code == 1001;
    }
    acutRelRb(*link); // left over from a longer chain
    *link = nullptr;
    return true;
}

std::vector<XDataApp> readXDataText(std::string_view text, int line, DxfTagReader& reader,
                                    const DxfTextDecoder& decoder, std::vector<DxfTag>& tags) {
    readXDataTags(text, line, reader, tags);
    return readXData(tags, reader, decoder);
}

} // namespace hxhost
