// acedEntSel and its keywords: one entity picked from the scripted editor.
#include "editor/EditorScript.h"
#include "editor/SelectionRun.h"
#include "acutads.h"

#include <algorithm>
#include <cwchar>

namespace {

using hxhost::detail::Candidate;
using hxhost::detail::EditorInput;

// The entity a click picks: the one asked for, or the last drawn at pt.
bool pickedEntity(const EditorInput& in, AcDbObjectId& id, AcGePoint3d& pt) {
    using namespace hxhost::detail;
    const SelectionFilter none;
    SelectionRun run(SelectionMode(), none);
    if (in.kind == EditorInput::kPick) {
        const Candidate* c = run.find(in.id);
        if (c == nullptr || !c->hasBox)
            return false;
        id = c->id;
        pt.set(c->box.centre().x, c->box.centre().y, 0.0);
        return true;
    }
    const auto hits = run.hitsAt(in.first);
    if (hits.empty())
        return false;
    id = hits.back()->id;
    pt = in.first;
    return true;
}

} // namespace

int acedInitGet(int, const ACHAR* keywords) {
    hxhost::detail::initGetKeywords() = keywords != nullptr ? keywords : L"";
    return RTNORM;
}

int acedEntSel(const ACHAR* prompt, ads_name entres, ads_point ptres) {
    using namespace hxhost::detail;
    const std::wstring keywords = initGetKeywords();
    initGetKeywords().clear();
    if (prompt != nullptr)
        acutPrintf(L"%ls", prompt);
    EditorInput in;
    while (nextInput(in)) {
        if (in.kind == EditorInput::kEscape)
            return RTCAN;
        if (in.kind == EditorInput::kEnter) {
            setErrno(52); // an empty answer
            return RTERROR;
        }
        if (in.kind == EditorInput::kText) {
            if (!isKeyword(in.text, keywords))
                continue; // the host asks again
            lastKeyword() = in.text;
            return RTKWORD;
        }
        AcDbObjectId id;
        AcGePoint3d pt;
        if (in.kind == EditorInput::kCorners || !pickedEntity(in, id, pt)) {
            setErrno(7); // the pick found no object
            return RTERROR;
        }
        ads_name name = {0, 0};
        acdbGetAdsName(name, id);
        if (entres != nullptr)
            ads_name_set(name, entres);
        if (ptres != nullptr) {
            ptres[X] = pt.x;
            ptres[Y] = pt.y;
            ptres[Z] = pt.z;
        }
        return RTNORM;
    }
    return RTCAN;
}

int acedGetInput(ACHAR* str, size_t maxLength) {
    const std::wstring& kw = hxhost::detail::lastKeyword();
    if (str == nullptr || kw.empty() || maxLength == 0)
        return RTERROR;
    const size_t n = std::min(kw.size(), maxLength - 1);
    std::wmemcpy(str, kw.c_str(), n);
    str[n] = L'\0';
    return RTNORM;
}
