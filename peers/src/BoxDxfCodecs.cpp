// The DXF codecs of the product's rectangular entities, each shown as a
// closed LWPOLYLINE around its plan box:
// - HxDbWtPool, xdata of HXWT_POOL: location, name, length, width, depth,
//   fields;
// - HxDbWtEquipment, xdata of HXWT_EQUIPMENT: min and max corner, name,
//   fields.
// The values come back from the xdata (the rectangle only shows them), so
// they round-trip exactly.
#include "EntityCodecs.h"

#include "XDataItems.h"
#include "dbpl.h"

#include <sstream>

namespace hxpeers {

namespace {

AcDbPolyline* rectangle(const AcDbEntity& custom) {
    AcDbExtents box;
    if (custom.getGeomExtents(box) != Acad::eOk)
        return nullptr;
    const AcGePoint3d lo = box.minPoint(), hi = box.maxPoint();
    auto* outline = new AcDbPolyline(4);
    outline->addVertexAt(0, AcGePoint2d(lo.x, lo.y));
    outline->addVertexAt(1, AcGePoint2d(hi.x, lo.y));
    outline->addVertexAt(2, AcGePoint2d(hi.x, hi.y));
    outline->addVertexAt(3, AcGePoint2d(lo.x, hi.y));
    outline->setClosed(true);
    outline->setElevation(lo.z);
    return outline;
}

class PoolDxfCodec : public hxhost::DxfCustomCodec {
public:
    const AcRxClass* customClass() const override { return HxDbWtPool::desc(); }
    const ACHAR* appName() const override { return ACRX_T("HXWT_POOL"); }

    AcDbEntity* makeStandard(const AcDbEntity& custom) const override { return rectangle(custom); }

    resbuf* makeXData(const AcDbEntity& custom) const override {
        const auto& pool = static_cast<const HxDbWtPool&>(custom);
        XDataWriter out(appName());
        out.point(pool.GetPoolLocation());
        out.text(pool.GetPoolName());
        out.real(pool.GetPoolLength());
        out.real(pool.GetPoolWidth());
        out.real(pool.GetPoolDeepness());
        out.fields(pool.Fields());
        return out.release();
    }

    AcDbEntity* makeCustom(const AcDbEntity& shown, const resbuf* appXData) const override {
        if (AcDbPolyline::cast(&shown) == nullptr)
            return nullptr;
        XDataReader in(appXData);
        AcGePoint3d location;
        const ACHAR* name = nullptr;
        double length = 0, width = 0, depth = 0;
        auto pool = std::make_unique<HxDbWtPool>();
        if (!in.point(location) || !in.text(name) || !in.real(length) || !in.real(width) ||
            !in.real(depth) || !in.fields(pool->Fields()) ||
            pool->SetPoolSize(length, width, depth) != Acad::eOk)
            return nullptr;
        pool->SetPoolLocation(location);
        pool->SetPoolName(name);
        return pool.release();
    }

    std::wstring describe(const AcDbEntity& custom) const override {
        const auto& pool = static_cast<const HxDbWtPool&>(custom);
        std::wostringstream text;
        text << L"name=" << pool.GetPoolName() << L" size=" << pool.GetPoolLength() << L"x"
             << pool.GetPoolWidth() << L" depth=" << pool.GetPoolDeepness();
        return text.str();
    }
};

class EquipmentDxfCodec : public hxhost::DxfCustomCodec {
public:
    const AcRxClass* customClass() const override { return HxDbWtEquipment::desc(); }
    const ACHAR* appName() const override { return ACRX_T("HXWT_EQUIPMENT"); }

    AcDbEntity* makeStandard(const AcDbEntity& custom) const override { return rectangle(custom); }

    resbuf* makeXData(const AcDbEntity& custom) const override {
        const auto& equip = static_cast<const HxDbWtEquipment&>(custom);
        XDataWriter out(appName());
        out.point(equip.GetMinCorner());
        out.point(equip.GetMaxCorner());
        out.text(equip.GetName());
        out.fields(equip.Fields());
        return out.release();
    }

    AcDbEntity* makeCustom(const AcDbEntity& shown, const resbuf* appXData) const override {
        if (AcDbPolyline::cast(&shown) == nullptr)
            return nullptr;
        XDataReader in(appXData);
        AcGePoint3d lo, hi;
        const ACHAR* name = nullptr;
        auto equip = std::make_unique<HxDbWtEquipment>();
        if (!in.point(lo) || !in.point(hi) || !in.text(name) || !in.fields(equip->Fields()))
            return nullptr;
        equip->SetBox(lo, hi);
        equip->SetName(name);
        return equip.release();
    }

    std::wstring describe(const AcDbEntity& custom) const override {
        const auto& equip = static_cast<const HxDbWtEquipment&>(custom);
        return std::wstring(L"name=") + equip.GetName();
    }
};

} // namespace

std::unique_ptr<hxhost::DxfCustomCodec> makePoolCodec() {
    return std::make_unique<PoolDxfCodec>();
}

std::unique_ptr<hxhost::DxfCustomCodec> makeEquipmentCodec() {
    return std::make_unique<EquipmentDxfCodec>();
}

} // namespace hxpeers
