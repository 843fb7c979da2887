// The editor's selection sets and the host functions that read and edit them.
#include "editor/SelectionSets.h"
#include "database/DbAccess.h"
#include "acedads.h"
#include "acutads.h"
#include "dbmain.h"
#include "hxhost/Editor.h"
#include "hxhost/HostControl.h"

#include <algorithm>
#include <map>

namespace hxhost::detail {
namespace {

// Word 1 of every set name; entity names carry 0 there.
constexpr Adesk::LongPtr kSetTag = 0x5353;

struct Registry {
    std::map<Adesk::LongPtr, SelectionList> sets;
    Adesk::LongPtr nextSerial = 1;
    SelectionList previous;
};

Registry& registry() {
    static Registry r;
    return r;
}

} // namespace

bool makeSelectionSet(SelectionList members, ads_name out) {
    Registry& r = registry();
    if (static_cast<int>(r.sets.size()) >= kMaxSelectionSets)
        return false;
    const Adesk::LongPtr serial = r.nextSerial++;
    r.sets.emplace(serial, std::move(members));
    acquired(Resource::SelectionSet);
    out[0] = serial;
    out[1] = kSetTag;
    return true;
}

SelectionList* findSelectionSet(const ads_name ss) {
    if (ss == nullptr || ss[1] != kSetTag)
        return nullptr;
    auto it = registry().sets.find(ss[0]);
    return it == registry().sets.end() ? nullptr : &it->second;
}

bool freeSelectionSet(const ads_name ss) {
    if (findSelectionSet(ss) == nullptr)
        return false;
    registry().sets.erase(ss[0]);
    released(Resource::SelectionSet);
    return true;
}

int selectionSetCount() {
    return static_cast<int>(registry().sets.size());
}

void freeAllSelectionSets() {
    released(Resource::SelectionSet, selectionSetCount());
    registry().sets.clear();
    registry().previous.clear();
}

void setPreviousSelection(const SelectionList& members) {
    registry().previous = members;
}

const SelectionList& previousSelection() {
    return registry().previous;
}

} // namespace hxhost::detail

using hxhost::detail::findSelectionSet;
using hxhost::detail::SelectedEntity;
using hxhost::detail::SelectionList;

namespace {

// The id of a name that names a live, unerased entity; null otherwise.
AcDbObjectId liveEntity(const ads_name ename) {
    AcDbObjectId id;
    if (ename == nullptr || acdbGetObjectId(id, ename) != Acad::eOk || id.isErased())
        return AcDbObjectId();
    return AcDbEntity::cast(hxhost::DbAccess::objectOf(id)) != nullptr ? id : AcDbObjectId();
}

SelectionList::iterator findMember(SelectionList& set, const ads_name ename) {
    AcDbObjectId id;
    if (ename == nullptr || acdbGetObjectId(id, ename) != Acad::eOk)
        return set.end();
    return std::find_if(set.begin(), set.end(),
                        [&](const SelectedEntity& e) { return e.id == id; });
}

} // namespace

int acedSSFree(const ads_name ss) {
    return hxhost::detail::freeSelectionSet(ss) ? RTNORM : RTERROR;
}

int acedSSLength(const ads_name ss, Adesk::Int32* len) {
    const SelectionList* set = findSelectionSet(ss);
    if (set == nullptr || len == nullptr)
        return RTERROR;
    *len = static_cast<Adesk::Int32>(set->size());
    return RTNORM;
}

int acedSSName(const ads_name ss, Adesk::Int32 i, ads_name entres) {
    const SelectionList* set = findSelectionSet(ss);
    if (set == nullptr || entres == nullptr || i < 0 || i >= static_cast<Adesk::Int32>(set->size()))
        return RTERROR;
    ads_name name = {0, 0};
    if (acdbGetAdsName(name, (*set)[static_cast<size_t>(i)].id) != Acad::eOk)
        return RTERROR;
    ads_name_set(name, entres);
    return RTNORM;
}

namespace {

// Appends a new item to the chain's tail; false on allocation failure.
bool append(resbuf*& head, resbuf*& tail, int type) {
    resbuf* rb = acutNewRb(type);
    if (rb == nullptr)
        return false;
    (head == nullptr ? head : tail->rbnext) = rb;
    tail = rb;
    return true;
}

resbuf* describeMember(const SelectedEntity& member) {
    resbuf* head = nullptr;
    resbuf* tail = nullptr;
    bool ok = append(head, tail, RTLB) && append(head, tail, RTSHORT);
    if (ok)
        tail->resval.rint = member.method;
    ok = ok && append(head, tail, RTENAME) &&
         acdbGetAdsName(tail->resval.rlname, member.id) == Acad::eOk;
    ok = ok && append(head, tail, RTSHORT);
    if (ok && member.method == hxhost::detail::kByPick) {
        ok = append(head, tail, RTLB) && append(head, tail, RTSHORT) &&
             append(head, tail, RT3DPOINT);
        if (ok) {
            tail->resval.rpoint[X] = member.pick.x;
            tail->resval.rpoint[Y] = member.pick.y;
            tail->resval.rpoint[Z] = member.pick.z;
        }
        ok = ok && append(head, tail, RTLE);
    }
    ok = ok && append(head, tail, RTLE);
    if (ok)
        return head;
    acutRelRb(head);
    return nullptr;
}

} // namespace

int acedSSNameX(resbuf** rbpp, const ads_name ss, Adesk::Int32 i, unsigned int) {
    if (rbpp == nullptr)
        return RTERROR;
    *rbpp = nullptr;
    const SelectionList* set = findSelectionSet(ss);
    if (set == nullptr || i < 0 || i >= static_cast<Adesk::Int32>(set->size()))
        return RTERROR;
    *rbpp = describeMember((*set)[static_cast<size_t>(i)]);
    return *rbpp != nullptr ? RTNORM : RTERROR;
}

int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result) {
    if (hxhost::shouldFail("acedSSAdd") || result == nullptr)
        return RTERROR;
    SelectionList members;
    if (ename != nullptr) {
        const AcDbObjectId id = liveEntity(ename);
        if (id.isNull())
            return RTERROR;
        members.push_back({id, hxhost::detail::kByProgram, AcGePoint3d()});
    }
    if (sname == nullptr)
        return hxhost::detail::makeSelectionSet(std::move(members), result) ? RTNORM : RTERROR;
    SelectionList* set = findSelectionSet(sname);
    if (set == nullptr)
        return RTERROR;
    if (!members.empty() && findMember(*set, ename) == set->end())
        set->push_back(members.front());
    ads_name_set(sname, result);
    return RTNORM;
}

int acedSSDel(const ads_name ename, const ads_name ss) {
    SelectionList* set = findSelectionSet(ss);
    if (set == nullptr)
        return RTERROR;
    auto it = findMember(*set, ename);
    if (it == set->end())
        return RTERROR;
    set->erase(it);
    return RTNORM;
}

int acedSSMemb(const ads_name ename, const ads_name ss) {
    SelectionList* set = findSelectionSet(ss);
    if (set == nullptr)
        return RTERROR;
    return findMember(*set, ename) != set->end() ? RTNORM : RTERROR;
}

namespace hxhost {

int heldSelectionSets() {
    return detail::selectionSetCount();
}

} // namespace hxhost
