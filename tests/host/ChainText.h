// Test helper: a result-buffer chain as one line of text, so that a test
// states a whole chain in one comparison. Items are "code:value" joined by
// spaces: texts and handles as themselves ("(null)" for a null string),
// integers and reals as numbers, points as x,y,z, binary chunks as #length;
// entity names and items without a value show nothing after the colon.
#pragma once

#include "acdb.h"
#include "acutads.h"

#include <sstream>
#include <string>

inline std::wstring chainText(const resbuf* rb) {
    std::wostringstream out;
    for (const resbuf* first = rb; rb != nullptr; rb = rb->rbnext) {
        out << (rb == first ? L"" : L" ") << rb->restype << L':';
        const ads_u_val& v = rb->resval;
        switch (acdbGroupCodeToType(rb->restype)) {
        case AcDb::kDwgText:
        case AcDb::kDwgHandle:
            out << (v.rstring != nullptr ? v.rstring : L"(null)");
            break;
        case AcDb::kDwgInt8:
        case AcDb::kDwgInt16:
            out << v.rint;
            break;
        case AcDb::kDwgInt32:
            out << v.rlong;
            break;
        case AcDb::kDwgInt64:
            out << v.mnInt64;
            break;
        case AcDb::kDwgReal:
            out << v.rreal;
            break;
        case AcDb::kDwg3Real:
            out << v.rpoint[0] << L',' << v.rpoint[1] << L',' << v.rpoint[2];
            break;
        case AcDb::kDwgBChunk:
            out << L'#' << v.rbinary.clen;
            break;
        default:
            break;
        }
    }
    return out.str();
}
