// HxWtSelSet: edits of the held set and its conversions into ids.
#include "HxWtSelSet.h"

namespace {

// The entity name of an id; false when it does not convert.
bool nameOf(const AcDbObjectId& id, ads_name name) {
    ads_name converted = {0, 0};
    if (acdbGetAdsName(converted, id) != Acad::eOk)
        return false;
    ads_name_set(converted, name);
    return true;
}

} // namespace

Adesk::Int32 HxWtSelSet::length() {
    Adesk::Int32 n = 0;
    return acedSSLength(ss, &n) == RTNORM ? n : 0;
}

void HxWtSelSet::add(ads_name entity) {
    acedSSAdd(entity, ss, ss);
}

void HxWtSelSet::add(const AcDbObjectId& id) {
    ads_name name;
    if (nameOf(id, name))
        add(name);
}

void HxWtSelSet::remove(ads_name entity) {
    acedSSDel(entity, ss);
}

void HxWtSelSet::remove(const AcDbObjectId& id) {
    ads_name name;
    if (nameOf(id, name))
        remove(name);
}

bool HxWtSelSet::member(ads_name entity) {
    return acedSSMemb(entity, ss) == RTNORM;
}

bool HxWtSelSet::member(const AcDbObjectId& id) {
    ads_name name;
    return nameOf(id, name) && member(name);
}

bool HxWtSelSet::subEntMarkerAt(long index, AcDbObjectId& id, int& gsMarker) {
    resbuf* list = nullptr;
    if (acedSSNameX(&list, ss, static_cast<Adesk::Int32>(index)) != RTNORM || list == nullptr)
        return false;
    const resbuf* third = list->rbnext != nullptr ? list->rbnext->rbnext : nullptr;
    const resbuf* fourth = third != nullptr ? third->rbnext : nullptr;
    const bool ok = third != nullptr && acdbGetObjectId(id, third->resval.rlname) == Acad::eOk &&
                    fourth != nullptr;
    if (ok)
        gsMarker = fourth->resval.rint;
    acutRelRb(list);
    return ok;
}

void HxWtSelSet::asArray(AcDbObjectIdArray& ids) {
    const Adesk::Int32 n = length();
    for (Adesk::Int32 i = 0; i < n; ++i) {
        ads_name ent;
        AcDbObjectId id;
        if (acedSSName(ss, i, ent) == RTNORM && acdbGetObjectId(id, ent) == Acad::eOk)
            ids.append(id);
    }
}

void HxWtSelSet::asList(HxList<AcDbObjectId>& ids) {
    const Adesk::Int32 n = length();
    for (Adesk::Int32 i = 0; i < n; ++i) {
        ads_name ent;
        AcDbObjectId id;
        if (acedSSName(ss, i, ent) == RTNORM && acdbGetObjectId(id, ent) == Acad::eOk)
            ids.Append(id);
    }
}

void HxWtSelSet::asEnt(AcDbObjectId& id) {
    const Adesk::Int32 n = length();
    for (Adesk::Int32 i = 0; i < n; ++i) {
        ads_name ent;
        if (acedSSName(ss, i, ent) == RTNORM && acdbGetObjectId(id, ent) == Acad::eOk)
            return;
    }
}

void HxWtSelSet::asAdsName(ads_name out) {
    ads_name_set(ss, out);
}
