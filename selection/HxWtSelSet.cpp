// HxWtSelSet: the selection operations, the options and the mode string of
// interactive selection.
#include "HxWtSelSet.h"

namespace {

const wchar_t* const kAddPrompt = L"\n选择实体: ";
const wchar_t* const kRemovePrompt = L"\n删除实体: ";

} // namespace

HxWtSelSet::HxWtSelSet()
    : status(kCanceled), allowDuplicates(false), allAtPickBox(false), allowSingleOnly(false),
      allowLast(true), filterLockedLayers(false), rejectNonCurrentSpace(false),
      rejectPaperSpaceViewport(false), keywordCallback(nullptr), otherCallback(nullptr) {
    ss[0] = 0;
    ss[1] = 0;
}

HxWtSelSet::~HxWtSelSet() {
    clear();
}

bool HxWtSelSet::isInitialized() {
    return ss[0] != 0 || ss[1] != 0;
}

void HxWtSelSet::clear() {
    if (!isInitialized())
        return;
    acedSSFree(ss);
    ss[0] = 0;
    ss[1] = 0;
}

HxWtSelSet::SelSetStatus HxWtSelSet::handleResult(int rc) {
    if (rc == RTNORM)
        status = kSelected;
    else if (rc == RTCAN)
        status = kCanceled;
    else if (rc == RTREJ)
        status = kRejected;
    else {
        createEmptySet();
        status = kNone;
    }
    return status;
}

void HxWtSelSet::setFlags(bool hasPrompts) {
    flags.Empty();
    if (allowSingleOnly) {
        if (allowLast)
            flags += L"+L";
        flags += L"+.:S";
    }
    if (hasPrompts)
        flags += L":$";
    if (allowDuplicates)
        flags += L":D";
    if (allAtPickBox)
        flags += L":E";
    if (filterLockedLayers)
        flags += L":L";
    if (rejectNonCurrentSpace)
        flags += L":C";
    if (rejectPaperSpaceViewport)
        flags += L":P";
    if (keywordCallback != nullptr)
        flags += L":K";
    if (otherCallback != nullptr)
        flags += L":?";
}

HxWtSelSet::SelSetStatus HxWtSelSet::select(const wchar_t* mode, const void* pt1, const void* pt2,
                                            const resbuf* filter) {
    clear();
    return handleResult(acedSSGet(mode, pt1, pt2, filter, ss));
}

HxWtSelSet::SelSetStatus HxWtSelSet::interactive(const void* pt1, const resbuf* filter,
                                                 bool hasPrompts) {
    if (keywordCallback != nullptr)
        acedSSSetKwordCallbackPtr(keywordCallback);
    if (otherCallback != nullptr)
        acedSSSetOtherCallbackPtr(otherCallback);
    setFlags(hasPrompts);
    const void* pt2 = keywordCallback != nullptr ? static_cast<const wchar_t*>(keywords) : nullptr;
    return select(flags, pt1, pt2, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::selectPoints(const wchar_t* mode,
                                                  const AcGePoint3dArray& points,
                                                  const resbuf* filter) {
    clear();
    if (points.isEmpty())
        return status = kCanceled;
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (int i = 0; i < points.length(); ++i) {
        resbuf* rb = acutNewRb(RT3DPOINT);
        if (rb == nullptr) {
            acutRelRb(head);
            return status = kCanceled;
        }
        rb->resval.rpoint[X] = points[i].x;
        rb->resval.rpoint[Y] = points[i].y;
        rb->resval.rpoint[Z] = points[i].z;
        *tail = rb;
        tail = &rb->rbnext;
    }
    const int rc = acedSSGet(mode, head, nullptr, filter, ss);
    acutRelRb(head);
    return handleResult(rc);
}

HxWtSelSet::SelSetStatus HxWtSelSet::userSelect(const resbuf* filter) {
    clear();
    return interactive(nullptr, filter, false);
}

HxWtSelSet::SelSetStatus HxWtSelSet::userSelect(const wchar_t* addPrompt,
                                                const wchar_t* removePrompt, const resbuf* filter) {
    clear();
    const wchar_t* prompts[2] = {
        addPrompt != nullptr && addPrompt[0] != L'\0' ? addPrompt : kAddPrompt,
        removePrompt != nullptr && removePrompt[0] != L'\0' ? removePrompt : kRemovePrompt};
    return interactive(prompts, filter, true);
}

HxWtSelSet::SelSetStatus HxWtSelSet::impliedSelect(const resbuf* filter) {
    return select(L"_I", nullptr, nullptr, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::crossingSelect(const AcGePoint3d& pt1, const AcGePoint3d& pt2,
                                                    const resbuf* filter) {
    return select(L"_C", &pt1.x, &pt2.x, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::crossingPolygonSelect(const AcGePoint3dArray& points,
                                                           const resbuf* filter) {
    return selectPoints(L"_CP", points, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::fenceSelect(const AcGePoint3dArray& points,
                                                 const resbuf* filter) {
    return selectPoints(L"_F", points, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::lastSelect(const resbuf* filter) {
    return select(L"_L", nullptr, nullptr, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::pointSelect(const AcGePoint3d& pt, const resbuf* filter) {
    clear();
    setFlags(false);
    return select(flags, &pt.x, nullptr, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::previousSelect(const resbuf* filter) {
    return select(L"_P", nullptr, nullptr, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::windowSelect(const AcGePoint3d& pt1, const AcGePoint3d& pt2,
                                                  const resbuf* filter) {
    return select(L"_W", &pt1.x, &pt2.x, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::windowPolygonSelect(const AcGePoint3dArray& points,
                                                         const resbuf* filter) {
    return selectPoints(L"_WP", points, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::filterOnlySelect(const resbuf* filter) {
    return select(L"_X", nullptr, nullptr, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::allSelect(const resbuf* filter) {
    return select(L"_A", nullptr, nullptr, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::boxSelect(const AcGePoint3d& pt1, const AcGePoint3d& pt2,
                                               const resbuf* filter) {
    return select(L"_B", &pt1.x, &pt2.x, filter);
}

HxWtSelSet::SelSetStatus HxWtSelSet::createEmptySet() {
    clear();
    status = acedSSAdd(nullptr, nullptr, ss) == RTNORM ? kSelected : kCanceled;
    if (status != kSelected) {
        ss[0] = 0;
        ss[1] = 0;
    }
    return status;
}

HxWtSelSet::SelSetStatus HxWtSelSet::lastStatus() {
    return status;
}

void HxWtSelSet::setAllowDuplicates(bool dups) {
    allowDuplicates = dups;
}

void HxWtSelSet::setAllAtPickBox(bool pickBox) {
    allAtPickBox = pickBox;
}

void HxWtSelSet::setAllowSingleOnly(bool single, bool last) {
    allowSingleOnly = single;
    allowLast = last;
}

void HxWtSelSet::setFilterLockedLayers(bool filterLocked) {
    filterLockedLayers = filterLocked;
}

void HxWtSelSet::setRejectNonCurrentSpace(bool reject) {
    rejectNonCurrentSpace = reject;
}

void HxWtSelSet::setRejectPaperSpaceViewport(bool reject) {
    rejectPaperSpaceViewport = reject;
}

void HxWtSelSet::setKeywordCallback(const wchar_t* words, Callback callback) {
    keywords = words != nullptr ? words : L"";
    keywordCallback = callback;
}

void HxWtSelSet::setOtherCallback(Callback callback) {
    otherCallback = callback;
}
