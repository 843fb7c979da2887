// The DXF codec of HxDbWtWell: a CIRCLE at the well's location with half its
// diameter as radius (0.5 drawing units for a well without diameter), with
// the well's values as xdata of HXWT_WELL (prefix, index, depth, diameter,
// fields).
#include "EntityCodecs.h"

#include "XDataItems.h"
#include "dbents.h"

#include <sstream>

namespace hxpeers {

namespace {

constexpr double kShownRadius = 0.5;

class WellDxfCodec : public hxhost::DxfCustomCodec {
public:
    const AcRxClass* customClass() const override { return HxDbWtWell::desc(); }
    const ACHAR* appName() const override { return ACRX_T("HXWT_WELL"); }

    AcDbEntity* makeStandard(const AcDbEntity& custom) const override {
        const auto& well = static_cast<const HxDbWtWell&>(custom);
        const double d = well.GetWellDiameter();
        return new AcDbCircle(well.GetWellLocation(), AcGeVector3d(0, 0, 1),
                              d > 0 ? d / 2 : kShownRadius);
    }

    resbuf* makeXData(const AcDbEntity& custom) const override {
        const auto& well = static_cast<const HxDbWtWell&>(custom);
        XDataWriter out(appName());
        out.text(well.GetWellPrefix());
        out.text(well.GetWellIndex());
        out.real(well.GetWellDeepness());
        out.real(well.GetWellDiameter());
        out.fields(well.Fields());
        return out.release();
    }

    AcDbEntity* makeCustom(const AcDbEntity& shown, const resbuf* appXData) const override {
        const AcDbCircle* circle = AcDbCircle::cast(&shown);
        if (circle == nullptr)
            return nullptr;
        XDataReader in(appXData);
        const ACHAR* prefix = nullptr;
        const ACHAR* index = nullptr;
        double depth = 0, diameter = 0;
        auto well = std::make_unique<HxDbWtWell>(circle->center());
        if (!in.text(prefix) || !in.text(index) || !in.real(depth) || !in.real(diameter) ||
            !in.fields(well->Fields()) || well->SetWellDiameter(diameter) != Acad::eOk)
            return nullptr;
        well->SetWellPrefix(prefix);
        well->SetWellIndex(index);
        well->SetWellDeepness(depth);
        return well.release();
    }

    std::wstring describe(const AcDbEntity& custom) const override {
        const auto& well = static_cast<const HxDbWtWell&>(custom);
        std::wostringstream text;
        text << L"name=" << well.GetWellPrefix() << well.GetWellIndex() << L" diameter="
             << well.GetWellDiameter() << L" depth=" << well.GetWellDeepness();
        return text.str();
    }
};

} // namespace

std::unique_ptr<hxhost::DxfCustomCodec> makeWellCodec() {
    return std::make_unique<WellDxfCodec>();
}

} // namespace hxpeers
