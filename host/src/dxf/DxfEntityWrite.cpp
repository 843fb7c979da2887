// Writing the bodies of the standard entities in DXF.
#include "dxf/DxfEntities.h"

#include "acdb.h"
#include "acutads.h"
#include "dbents.h"
#include "dbmtext.h"
#include "dbpl.h"

#include <cmath>
#include <cstdio>

namespace hxhost {
namespace {

const double kDegrees = 180.0 / std::acos(-1.0);
constexpr std::size_t kMTextChunk = 250;

// Angles in degrees with 12 significant digits, so that reading and writing
// again gives the same text.
void angle(DxfTagWriter& out, int code, double radians) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.12g", radians * kDegrees);
    out.tag(code, buf);
}

void point(DxfTagWriter& out, int code, const AcGePoint3d& p) {
    out.point(code, p.x, p.y, p.z);
}

void writeLine(const AcDbLine& line, DxfTagWriter& out) {
    out.tag(100, "AcDbLine");
    point(out, 10, line.startPoint());
    point(out, 11, line.endPoint());
}

void writeCircle(const AcDbCircle& circle, DxfTagWriter& out) {
    out.tag(100, "AcDbCircle");
    point(out, 10, circle.center());
    out.real(40, circle.radius());
}

// The groups of AcDbText shared by TEXT, ATTRIB and ATTDEF, up to the
// vertical mode (which each writes in its own subclass).
void writeTextPart(const AcDbText& text, DxfTagWriter& out) {
    out.tag(100, "AcDbText");
    point(out, 10, text.position());
    out.real(40, text.height());
    out.text(1, text.textStringConst());
    if (text.rotation() != 0.0)
        angle(out, 50, text.rotation());
    out.tag(7, "Standard");
    if (text.horizontalMode() != AcDb::kTextLeft)
        out.integer(72, text.horizontalMode());
    if (text.horizontalMode() != AcDb::kTextLeft || text.verticalMode() != AcDb::kTextBase)
        point(out, 11, text.alignmentPoint());
}

void writeText(const AcDbText& text, DxfTagWriter& out) {
    writeTextPart(text, out);
    out.tag(100, "AcDbText");
    if (text.verticalMode() != AcDb::kTextBase)
        out.integer(73, text.verticalMode());
}

void writeAttribute(const AcDbAttribute& att, DxfTagWriter& out) {
    writeTextPart(att, out);
    out.tag(100, "AcDbAttribute");
    out.text(2, att.tagConst());
    out.integer(70, att.isInvisible() ? 1 : 0);
    if (att.verticalMode() != AcDb::kTextBase)
        out.integer(74, att.verticalMode());
}

void writeAttributeDefinition(const AcDbAttributeDefinition& def, DxfTagWriter& out) {
    writeTextPart(def, out);
    out.tag(100, "AcDbAttributeDefinition");
    out.text(3, def.promptConst());
    out.text(2, def.tagConst());
    out.integer(70, 0);
    if (def.verticalMode() != AcDb::kTextBase)
        out.integer(74, def.verticalMode());
}

void writeMText(const AcDbMText& mtext, DxfTagWriter& out) {
    out.tag(100, "AcDbMText");
    point(out, 10, mtext.location());
    out.real(40, mtext.textHeight());
    out.real(41, mtext.width());
    out.integer(71, mtext.attachment());
    out.integer(72, 1);
    // Long contents go in chunks of code 3 before the last one of code 1;
    // chunks are cut on encoded text so an escape is never split.
    const std::string all = encodeDxfText(mtext.contentsConst());
    std::size_t pos = 0;
    while (all.size() - pos > kMTextChunk) {
        std::size_t cut = pos + kMTextChunk;
        const std::size_t escape = all.rfind("\\U+", cut);
        if (escape != std::string::npos && escape > pos && escape + 7 > cut)
            cut = escape;
        out.tag(3, all.substr(pos, cut - pos));
        pos = cut;
    }
    out.tag(1, all.substr(pos));
    out.tag(7, "Standard");
    out.point(11, std::cos(mtext.rotation()), std::sin(mtext.rotation()), 0.0);
}

void writeInsert(const AcDbBlockReference& ref, const std::wstring& blockName, bool hasAttributes,
                 DxfTagWriter& out) {
    out.tag(100, "AcDbBlockReference");
    if (hasAttributes)
        out.integer(66, 1);
    out.text(2, blockName);
    point(out, 10, ref.position());
}

void writePolyline(const AcDbPolyline& pline, DxfTagWriter& out) {
    out.tag(100, "AcDbPolyline");
    out.integer(90, pline.numVerts());
    out.integer(70, pline.isClosed() ? 1 : 0);
    if (pline.constantWidth() != 0.0)
        out.real(43, pline.constantWidth());
    if (pline.elevation() != 0.0)
        out.real(38, pline.elevation());
    for (unsigned i = 0; i < pline.numVerts(); ++i) {
        AcGePoint2d pt;
        double bulge = 0;
        double startWidth = -1;
        double endWidth = -1;
        pline.getPointAt(i, pt);
        pline.getBulgeAt(i, bulge);
        pline.getWidthsAt(i, startWidth, endWidth);
        out.real(10, pt.x);
        out.real(20, pt.y);
        if (startWidth != -1.0 || endWidth != -1.0) {
            out.real(40, startWidth);
            out.real(41, endWidth);
        }
        if (bulge != 0.0)
            out.real(42, bulge);
    }
}

void writeItem(const XDataItem& item, DxfTagWriter& out) {
    const int code = item.code;
    if (code == 1004) {
        std::string hex;
        char buf[4];
        for (char b : item.bytes) {
            std::snprintf(buf, sizeof buf, "%02X", static_cast<unsigned char>(b));
            hex += buf;
        }
        out.tag(code, hex);
    } else if (code >= 1010 && code <= 1013) {
        out.point(code, item.values[0], item.values[1], item.values[2]);
    } else if (code >= 1040 && code <= 1042) {
        out.real(code, item.values[0]);
    } else if (code == 1070 || code == 1071) {
        out.integer(code, item.integer);
    } else {
        out.text(code, item.text);
    }
}

} // namespace

const char* dxfEntityName(const AcDbEntity& ent) {
    const AcRxClass* cls = ent.isA();
    if (cls == AcDbLine::desc())
        return "LINE";
    if (cls == AcDbCircle::desc())
        return "CIRCLE";
    if (cls == AcDbText::desc())
        return "TEXT";
    if (cls == AcDbAttribute::desc())
        return "ATTRIB";
    if (cls == AcDbAttributeDefinition::desc())
        return "ATTDEF";
    if (cls == AcDbMText::desc())
        return "MTEXT";
    if (cls == AcDbBlockReference::desc())
        return "INSERT";
    if (cls == AcDbPolyline::desc())
        return "LWPOLYLINE";
    return nullptr;
}

void writeEntityBody(const AcDbEntity& ent, const std::wstring& blockName, bool hasAttributes,
                     DxfTagWriter& out) {
    const AcRxClass* cls = ent.isA();
    if (cls == AcDbLine::desc())
        writeLine(static_cast<const AcDbLine&>(ent), out);
    else if (cls == AcDbCircle::desc())
        writeCircle(static_cast<const AcDbCircle&>(ent), out);
    else if (cls == AcDbText::desc())
        writeText(static_cast<const AcDbText&>(ent), out);
    else if (cls == AcDbAttribute::desc())
        writeAttribute(static_cast<const AcDbAttribute&>(ent), out);
    else if (cls == AcDbAttributeDefinition::desc())
        writeAttributeDefinition(static_cast<const AcDbAttributeDefinition&>(ent), out);
    else if (cls == AcDbMText::desc())
        writeMText(static_cast<const AcDbMText&>(ent), out);
    else if (cls == AcDbBlockReference::desc())
        writeInsert(static_cast<const AcDbBlockReference&>(ent), blockName, hasAttributes, out);
    else if (cls == AcDbPolyline::desc())
        writePolyline(static_cast<const AcDbPolyline&>(ent), out);
}

void writeXDataApp(const XDataApp& app, DxfTagWriter& out) {
    out.text(1001, app.name);
    for (const XDataItem& item : app.items)
        writeItem(item, out);
}

bool isOneAppChain(const resbuf* chain) {
    if (chain == nullptr || chain->restype != 1001 || chain->resval.rstring == nullptr)
        return false;
    for (const resbuf* rb = chain->rbnext; rb != nullptr; rb = rb->rbnext) {
        if (!XDataStore::isChainItem(rb))
            return false; // a second 1001 item among them, or an unusable one
    }
    return true;
}

void writeXDataChain(const resbuf* chain, DxfTagWriter& out) {
    if (chain->rbnext == nullptr)
        return;
    out.text(1001, chain->resval.rstring);
    XDataItem item; // binary chunks only, its room reused
    for (const resbuf* rb = chain->rbnext; rb != nullptr; rb = rb->rbnext) {
        const int code = rb->restype;
        if (code >= 1010 && code <= 1013) {
            out.point(code, rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
        } else if (code >= 1040 && code <= 1042) {
            out.real(code, rb->resval.rreal);
        } else if (code == 1070) {
            out.integer(code, rb->resval.rint);
        } else if (code == 1071) {
            out.integer(code, rb->resval.rlong);
        } else if (code == 1004) {
            XDataStore::readChainItem(rb, item);
            writeItem(item, out);
        } else {
            // As writeItem writes what the chain's item holds: the text of
            // texts and handles (checked, not null), none for other kinds.
            const int type = acdbGroupCodeToType(code);
            const bool text = type == AcDb::kDwgText || type == AcDb::kDwgHandle;
            out.text(code, text ? rb->resval.rstring : L"");
        }
    }
}

void writeXData(const std::vector<XDataApp>& apps, DxfTagWriter& out) {
    for (const XDataApp& app : apps)
        writeXDataApp(app, out);
}

} // namespace hxhost
