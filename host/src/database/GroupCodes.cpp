// Value kinds of DXF group codes and result-buffer (RT) codes.
#include "database/ResbufAlloc.h"
#include "acdb.h"
#include "acutads.h"

namespace {

struct CodeRange {
    int first;
    int last;
    AcDb::DwgDataType kind;
};

// DXF group codes by range; codes in no range are not recognised.
constexpr CodeRange kDxfRanges[] = {
    {-5, -5, AcDb::kDwgNull},
    {-4, -4, AcDb::kDwgText},
    {-3, -3, AcDb::kDwgNull},
    {-2, -1, AcDb::kDwgSoftPointerId},
    {0, 4, AcDb::kDwgText},
    {5, 5, AcDb::kDwgHandle},
    {6, 9, AcDb::kDwgText},
    {10, 37, AcDb::kDwg3Real},
    {38, 59, AcDb::kDwgReal},
    {60, 79, AcDb::kDwgInt16},
    {90, 99, AcDb::kDwgInt32},
    {100, 102, AcDb::kDwgText},
    {105, 105, AcDb::kDwgHandle},
    {110, 139, AcDb::kDwg3Real},
    {140, 149, AcDb::kDwgReal},
    {160, 169, AcDb::kDwgInt64},
    {170, 179, AcDb::kDwgInt16},
    {210, 239, AcDb::kDwg3Real},
    {270, 279, AcDb::kDwgInt16},
    {280, 299, AcDb::kDwgInt8},
    {300, 309, AcDb::kDwgText},
    {310, 319, AcDb::kDwgBChunk},
    {320, 329, AcDb::kDwgHandle},
    {330, 339, AcDb::kDwgSoftPointerId},
    {340, 349, AcDb::kDwgHardPointerId},
    {350, 359, AcDb::kDwgSoftOwnershipId},
    {360, 369, AcDb::kDwgHardOwnershipId},
    {370, 389, AcDb::kDwgInt16},
    {390, 399, AcDb::kDwgHardPointerId},
    {400, 409, AcDb::kDwgInt16},
    {410, 419, AcDb::kDwgText},
    {420, 429, AcDb::kDwgInt32},
    {430, 439, AcDb::kDwgText},
    {440, 459, AcDb::kDwgInt32},
    {460, 469, AcDb::kDwgReal},
    {470, 479, AcDb::kDwgText},
    {480, 481, AcDb::kDwgHardPointerId},
    {999, 1003, AcDb::kDwgText},
    {1004, 1004, AcDb::kDwgBChunk},
    {1005, 1005, AcDb::kDwgHandle},
    {1006, 1009, AcDb::kDwgText},
    {1010, 1039, AcDb::kDwg3Real},
    {1040, 1059, AcDb::kDwgReal},
    {1060, 1070, AcDb::kDwgInt16},
    {1071, 1071, AcDb::kDwgInt32},
};

int rtCodeKind(int code) {
    switch (code) {
    case RTREAL:
    case RTANG:
    case RTORINT:
        return AcDb::kDwgReal;
    case RTPOINT:
    case RT3DPOINT:
        return AcDb::kDwg3Real;
    case RTSHORT:
        return AcDb::kDwgInt16;
    case RTLONG:
        return AcDb::kDwgInt32;
    case RTINT64:
        return AcDb::kDwgInt64;
    case RTSTR:
    case RTDXF0:
        return AcDb::kDwgText;
    case RTENAME:
    case RTPICKS:
        return AcDb::kDwgSoftPointerId;
    case RTNONE:
    case RTVOID:
    case RTLB:
    case RTLE:
    case RTDOTE:
    case RTNIL:
    case RTT:
    case RTRESBUF:
    case RTMODELESS:
        return AcDb::kDwgNull;
    default:
        return AcDb::kDwgNotRecognized;
    }
}

constexpr int kFirstDxf = -5;
constexpr int kLastDxf = 1071;

// The ranges above as one constant table indexed by code - kFirstDxf, so a
// code's kind is one look-up (xdata is sized, copied and released item by
// item).
struct DxfKinds {
    signed char kind[kLastDxf - kFirstDxf + 1] = {};

    constexpr DxfKinds() {
        for (int code = kFirstDxf; code <= kLastDxf; ++code) {
            int found = AcDb::kDwgNotRecognized;
            for (const CodeRange& range : kDxfRanges) {
                if (code >= range.first && code <= range.last) {
                    found = range.kind;
                    break;
                }
            }
            kind[code - kFirstDxf] = static_cast<signed char>(found);
        }
    }
};

constexpr DxfKinds kDxfKinds;

} // namespace

int acdbGroupCodeToType(int code) {
    if (code >= RTNONE)
        return rtCodeKind(code);
    if (code < kFirstDxf || code > kLastDxf)
        return AcDb::kDwgNotRecognized;
    return kDxfKinds.kind[code - kFirstDxf];
}

namespace hxhost {

bool holdsString(int code) {
    const int kind = acdbGroupCodeToType(code);
    return kind == AcDb::kDwgText || kind == AcDb::kDwgHandle;
}

bool holdsBinary(int code) {
    return acdbGroupCodeToType(code) == AcDb::kDwgBChunk;
}

} // namespace hxhost
