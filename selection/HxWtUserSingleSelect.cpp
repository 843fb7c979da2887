// HxWtUserSingleSelect: one entity picked, asking again after a pick that
// found nothing.
#include "HxWtSelSet.h"

namespace {

// The host's "errno" as an integer; 0 when it cannot be read.
int hostErrno() {
    resbuf rb{};
    if (acedGetVar(L"ERRNO", &rb) != RTNORM)
        return 0;
    return rb.restype == RTSHORT ? rb.resval.rint : 0;
}

} // namespace

int HxWtUserSingleSelect(const wchar_t* text1, const wchar_t* text2, HxAdsRBList& filter,
                         HxGePoint& point, AcDbObjectId& id) {
    for (;;) {
        HxAdsEnt ent;
        const int rc = ent.Select(text2, text1, filter, point);
        if (rc == RTNORM) {
            id = ent.GetObjectId();
            return RTNORM;
        }
        if (rc == RTERROR && hostErrno() == 7)
            continue; // the pick found no object: ask again
        return rc == RTKWORD ? RTKWORD : RTCAN;
    }
}
