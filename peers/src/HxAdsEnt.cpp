// HxAdsEnt: one entity picked with the host's entity selection. A pick that
// hits an entity outside the filter counts as a pick that found nothing.
#include "HxAecPlatform.h"
#include "acedads.h"
#include "acutads.h"
#include "dbmain.h"

namespace {

// Whether the entity passes the filter: a member of the filter's selection
// of the whole drawing.
bool passes(const ads_name ent, const HxAdsRBList& filter) {
    if (filter.Count() == 0)
        return true;
    resbuf* chain = filter.BuildFilter();
    if (chain == nullptr)
        return false;
    ads_name ss;
    bool member = false;
    if (acedSSGet(L"_X", nullptr, nullptr, chain, ss) == RTNORM) {
        member = acedSSMemb(ent, ss) == RTNORM;
        acedSSFree(ss);
    }
    acutRelRb(chain);
    return member;
}

void setErrno(short value) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    acedSetVar(L"ERRNO", &rb);
}

} // namespace

HxAdsEnt::HxAdsEnt() = default;

int HxAdsEnt::Select(const wchar_t* s1, const wchar_t* s2, const HxAdsRBList& filter,
                     HxGePoint& point) {
    if (s2 != nullptr && s2[0] != L'\0')
        acedInitGet(0, s2);
    ads_name ent;
    ads_point pt;
    const int rc = acedEntSel(s1, ent, pt);
    if (rc != RTNORM)
        return rc;
    if (!passes(ent, filter)) {
        setErrno(7); // as if the pick had found nothing
        return RTERROR;
    }
    AcDbObjectId id;
    if (acdbGetObjectId(id, ent) != Acad::eOk)
        return RTERROR;
    m_id = id;
    point = HxGePoint(pt[X], pt[Y], pt[Z]);
    return RTNORM;
}
