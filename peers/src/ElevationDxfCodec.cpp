// The DXF codec of HxDbSymbElevation: a TEXT at the symbol's location showing
// its elevation text, tagged with xdata of HXWT_ELEVATION (the format version
// and the fields). Location and text come back from the TEXT.
#include "EntityCodecs.h"

#include "XDataItems.h"
#include "dbents.h"

namespace hxpeers {

namespace {

constexpr double kTextHeight = 2.5;

class ElevationDxfCodec : public hxhost::DxfCustomCodec {
public:
    const AcRxClass* customClass() const override { return HxDbSymbElevation::desc(); }
    const ACHAR* appName() const override { return ACRX_T("HXWT_ELEVATION"); }

    AcDbEntity* makeStandard(const AcDbEntity& custom) const override {
        const auto& symbol = static_cast<const HxDbSymbElevation&>(custom);
        return new AcDbText(symbol.GetLocation(), symbol.GetElevationText(), AcDbObjectId::kNull,
                            kTextHeight);
    }

    resbuf* makeXData(const AcDbEntity& custom) const override {
        XDataWriter out(appName());
        out.fields(static_cast<const HxDbSymbElevation&>(custom).Fields());
        return out.release();
    }

    AcDbEntity* makeCustom(const AcDbEntity& shown, const resbuf* appXData) const override {
        const AcDbText* text = AcDbText::cast(&shown);
        if (text == nullptr)
            return nullptr;
        XDataReader in(appXData);
        auto symbol =
            std::make_unique<HxDbSymbElevation>(text->position(), text->textStringConst());
        if (!in.fields(symbol->Fields()))
            return nullptr;
        return symbol.release();
    }

    std::wstring describe(const AcDbEntity& custom) const override {
        return std::wstring(L"text=") +
               static_cast<const HxDbSymbElevation&>(custom).GetElevationText();
    }
};

} // namespace

std::unique_ptr<hxhost::DxfCustomCodec> makeElevationCodec() {
    return std::make_unique<ElevationDxfCodec>();
}

void registerEntityCodecs() {
    hxhost::registerDxfCodec(makePipeCodec());
    hxhost::registerDxfCodec(makeWellCodec());
    hxhost::registerDxfCodec(makePoolCodec());
    hxhost::registerDxfCodec(makeEquipmentCodec());
    hxhost::registerDxfCodec(makeElevationCodec());
}

} // namespace hxpeers
