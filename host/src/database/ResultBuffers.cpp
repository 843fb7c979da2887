// Result-buffer chains and host strings: allocation, release, list building.
// Every buffer and every acutNewString string is counted in the ledger while
// it is out.
#include "database/ResbufAlloc.h"
#include "acdb.h"
#include "acutads.h"
#include "hxhost/HostControl.h"

#include <cstdarg>
#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace hxhost {

resbuf* newRb(int type) {
    auto* rb = static_cast<resbuf*>(std::calloc(1, sizeof(resbuf)));
    if (rb == nullptr)
        return nullptr;
    rb->restype = static_cast<short>(type);
    acquired(Resource::Resbuf);
    return rb;
}

ACHAR* mallocCopy(const ACHAR* s) {
    if (s == nullptr)
        return nullptr;
    const std::size_t bytes = (std::wcslen(s) + 1) * sizeof(ACHAR);
    auto* copy = static_cast<ACHAR*>(std::malloc(bytes));
    if (copy != nullptr)
        std::memcpy(copy, s, bytes);
    return copy;
}

} // namespace hxhost

namespace {

// Fills rb's value from the next variadic argument, by the kind of its code.
// False when the code is not recognised or the value is unusable.
bool takeValue(resbuf* rb, int code, va_list& args) {
    switch (acdbGroupCodeToType(code)) {
    case AcDb::kDwgNull:
        return true;
    case AcDb::kDwgText:
    case AcDb::kDwgHandle:
        rb->resval.rstring = hxhost::mallocCopy(va_arg(args, const ACHAR*));
        return rb->resval.rstring != nullptr;
    case AcDb::kDwgReal:
        rb->resval.rreal = va_arg(args, double);
        return true;
    case AcDb::kDwg3Real: {
        const ads_real* pt = va_arg(args, const ads_real*);
        if (pt == nullptr)
            return false;
        std::memcpy(rb->resval.rpoint, pt, sizeof(ads_point));
        return true;
    }
    case AcDb::kDwgInt16:
    case AcDb::kDwgInt8:
        rb->resval.rint = static_cast<short>(va_arg(args, int));
        return true;
    case AcDb::kDwgInt32:
        rb->resval.rlong = static_cast<Adesk::Int32>(va_arg(args, int));
        return true;
    case AcDb::kDwgInt64:
        rb->resval.mnInt64 = va_arg(args, Adesk::Int64);
        return true;
    case AcDb::kDwgHardOwnershipId:
    case AcDb::kDwgSoftOwnershipId:
    case AcDb::kDwgHardPointerId:
    case AcDb::kDwgSoftPointerId: {
        const Adesk::LongPtr* name = va_arg(args, const Adesk::LongPtr*);
        if (name == nullptr)
            return false;
        rb->resval.rlname[0] = name[0];
        rb->resval.rlname[1] = name[1];
        return true;
    }
    case AcDb::kDwgBChunk: {
        const ads_binary* chunk = va_arg(args, const ads_binary*);
        if (chunk == nullptr || chunk->clen < 0 || (chunk->clen > 0 && chunk->buf == nullptr))
            return false;
        rb->resval.rbinary.buf = static_cast<char*>(std::malloc(chunk->clen > 0 ? chunk->clen : 1));
        if (rb->resval.rbinary.buf == nullptr)
            return false;
        if (chunk->clen > 0)
            std::memcpy(rb->resval.rbinary.buf, chunk->buf, chunk->clen);
        rb->resval.rbinary.clen = chunk->clen;
        return true;
    }
    default:
        return false;
    }
}

} // namespace

resbuf* acutNewRb(int type) {
    if (hxhost::shouldFail(hxhost::kFaultAlloc))
        return nullptr;
    return hxhost::newRb(type);
}

int acutRelRb(resbuf* rb) {
    while (rb != nullptr) {
        resbuf* next = rb->rbnext;
        if (hxhost::holdsString(rb->restype))
            std::free(rb->resval.rstring);
        else if (hxhost::holdsBinary(rb->restype))
            std::free(rb->resval.rbinary.buf);
        std::free(rb);
        hxhost::released(hxhost::Resource::Resbuf);
        rb = next;
    }
    return RTNORM;
}

resbuf* acutBuildList(int rtype, ...) {
    if (hxhost::shouldFail(hxhost::kFaultAlloc))
        return nullptr;
    va_list args;
    va_start(args, rtype);
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    bool ok = true;
    for (int code = rtype; code != 0 && ok; code = va_arg(args, int)) {
        // RTDXF0 stands for group code 0, which would end the list.
        resbuf* rb = hxhost::newRb(code == RTDXF0 ? 0 : code);
        ok = rb != nullptr && takeValue(rb, code, args);
        if (rb == nullptr)
            break;
        (tail == nullptr ? head : tail->rbnext) = rb;
        tail = rb;
    }
    va_end(args);
    if (ok)
        return head;
    acutRelRb(head);
    return nullptr;
}

int acutNewString(const ACHAR* input, ACHAR*& output) {
    if (input == nullptr || hxhost::shouldFail(hxhost::kFaultAlloc))
        return RTERROR;
    ACHAR* copy = hxhost::mallocCopy(input);
    if (copy == nullptr)
        return RTERROR;
    hxhost::acquired(hxhost::Resource::String);
    output = copy;
    return RTNORM;
}

int acutDelString(ACHAR*& string) {
    if (string == nullptr)
        return RTNORM;
    std::free(string);
    string = nullptr;
    hxhost::released(hxhost::Resource::String);
    return RTNORM;
}
