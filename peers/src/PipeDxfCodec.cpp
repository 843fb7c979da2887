// The DXF codec of HxDbWtPipe: a LINE from start to end, with the pipe's
// values as xdata of HXWT_PIPE (flag, upriver and downriver heights,
// gradient, diameter, direction, material, fields).
#include "EntityCodecs.h"

#include "XDataItems.h"
#include "dbents.h"

#include <sstream>

namespace hxpeers {

namespace {

class PipeDxfCodec : public hxhost::DxfCustomCodec {
public:
    const AcRxClass* customClass() const override { return HxDbWtPipe::desc(); }
    const ACHAR* appName() const override { return ACRX_T("HXWT_PIPE"); }

    AcDbEntity* makeStandard(const AcDbEntity& custom) const override {
        const auto& pipe = static_cast<const HxDbWtPipe&>(custom);
        return new AcDbLine(pipe.GetStartPoint(), pipe.GetEndPoint());
    }

    resbuf* makeXData(const AcDbEntity& custom) const override {
        const auto& pipe = static_cast<const HxDbWtPipe&>(custom);
        XDataWriter out(appName());
        out.int32(pipe.GetPipeFlag());
        out.real(pipe.GetUpriverHeight());
        out.real(pipe.GetDownriverHeight());
        out.real(pipe.GetGradient());
        out.real(pipe.GetDiameter());
        out.int32(pipe.GetPipeDirection());
        out.text(pipe.GetMaterial());
        out.fields(pipe.Fields());
        return out.release();
    }

    AcDbEntity* makeCustom(const AcDbEntity& shown, const resbuf* appXData) const override {
        const AcDbLine* line = AcDbLine::cast(&shown);
        if (line == nullptr)
            return nullptr;
        XDataReader in(appXData);
        int flag = 0, direction = 0;
        double up = 0, down = 0, gradient = 0, diameter = 0;
        const ACHAR* material = nullptr;
        auto pipe = std::make_unique<HxDbWtPipe>(line->startPoint(), line->endPoint());
        if (!in.int32(flag) || !in.real(up) || !in.real(down) || !in.real(gradient) ||
            !in.real(diameter) || !in.int32(direction) || !in.text(material) ||
            !in.fields(pipe->Fields()))
            return nullptr;
        pipe->SetPipeFlag(static_cast<HxDbWtPipe::PipeFlag>(flag));
        pipe->SetHeights(up, down);
        pipe->SetGradient(gradient);
        pipe->SetDiameter(diameter);
        pipe->SetPipeDirection(direction);
        pipe->SetMaterial(material);
        return pipe.release();
    }

    std::wstring describe(const AcDbEntity& custom) const override {
        const auto& pipe = static_cast<const HxDbWtPipe&>(custom);
        std::wostringstream text;
        text << L"flag=" << static_cast<int>(pipe.GetPipeFlag()) << L" diameter="
             << pipe.GetDiameter() << L" length=" << pipe.GetPipeLength() << L" material="
             << pipe.GetMaterial();
        return text.str();
    }
};

} // namespace

std::unique_ptr<hxhost::DxfCustomCodec> makePipeCodec() {
    return std::make_unique<PipeDxfCodec>();
}

} // namespace hxpeers
