// Interactive selection: the scripted editor's input turned into members.
#include "text/AsciiCase.h"
#include "editor/EditorScript.h"
#include "editor/SelectionRun.h"
#include "acutads.h"

namespace hxhost::detail {
namespace {

const wchar_t* const kDefaultPrompt = L"\nSelect objects: ";

void addHits(SelectionRun& run, const AcGePoint3d& pt) {
    const auto hits = run.hitsAt(pt);
    if (hits.empty()) {
        setErrno(7); // the pick found no object
        return;
    }
    for (const Candidate* c : hits)
        run.add(*c, kByPick, pt);
}

void addPick(SelectionRun& run, AcDbObjectId id) {
    const Candidate* c = run.find(id);
    if (c == nullptr || !c->hasBox) {
        setErrno(7);
        return;
    }
    const PlanPoint centre = c->box.centre();
    const AcGePoint3d pt(centre.x, centre.y, 0.0);
    if (!run.mode().everything) {
        run.add(*c, kByPick, pt);
        return;
    }
    addHits(run, pt);
}

void addBox(SelectionRun& run, const AcGePoint3d& a, const AcGePoint3d& b) {
    const bool window = a.x < b.x;
    const PlanBox box = PlanBox::of({a.x, a.y}, {b.x, b.y});
    for (const Candidate& c : run.candidates()) {
        if (c.hasBox && (window ? boxInside(c.box, box) : boxesMeet(c.box, box)))
            run.add(c, window ? kByWindow : kByCrossing);
    }
}

// Applies what a callback returned: RTPICKS sets and RTENAME entities join
// (sets are freed), RTSTR texts are printed, RTCAN cancels. Releases it.
bool applyCallbackResult(SelectionRun& run, resbuf* result) {
    bool cancelled = false;
    for (resbuf* rb = result; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype == RTCAN) {
            cancelled = true;
        } else if (rb->restype == RTSTR && rb->resval.rstring != nullptr) {
            acutPrintf(L"%ls", rb->resval.rstring);
        } else if (rb->restype == RTENAME) {
            AcDbObjectId id;
            if (acdbGetObjectId(id, rb->resval.rlname) == Acad::eOk)
                run.addById(id);
        } else if (rb->restype == RTPICKS) {
            if (const SelectionList* set = findSelectionSet(rb->resval.rlname)) {
                for (const SelectedEntity& e : *set)
                    run.addById(e.id);
                freeSelectionSet(rb->resval.rlname);
            }
        }
    }
    acutRelRb(result);
    return !cancelled;
}

void addLast(SelectionRun& run) {
    const auto& all = run.candidates();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (!it->paperSpace) {
            run.add(*it, kByProgram);
            return;
        }
    }
}

// A typed text; false when a callback cancelled the selection.
bool takeText(SelectionRun& run, const std::wstring& text, const std::wstring& keywords) {
    const SelectionMode& m = run.mode();
    if (m.keywords && keywordCallback() != nullptr && isKeyword(text, keywords))
        return applyCallbackResult(run, keywordCallback()(text.c_str()));
    if (m.allowLast && (isKeyword(text, L"L LAST"))) {
        addLast(run);
        return true;
    }
    if (m.other && otherCallback() != nullptr)
        return applyCallbackResult(run, otherCallback()(text.c_str()));
    return true;
}

} // namespace

int runInteractive(SelectionRun& run, const void* pt1, const void* pt2) {
    const SelectionMode& m = run.mode();
    if (!m.prompts && pt1 != nullptr) {
        const auto* p = static_cast<const ads_real*>(pt1);
        addHits(run, AcGePoint3d(p[X], p[Y], p[Z]));
        return run.members().empty() ? RTERROR : RTNORM;
    }
    const auto* prompts = m.prompts ? static_cast<const ACHAR* const*>(pt1) : nullptr;
    const ACHAR* addPrompt =
        prompts != nullptr && prompts[0] != nullptr ? prompts[0] : kDefaultPrompt;
    const std::wstring keywords =
        m.keywords && pt2 != nullptr ? static_cast<const ACHAR*>(pt2) : L"";
    acutPrintf(L"%ls", addPrompt);
    EditorInput in;
    while (nextInput(in)) {
        if (in.kind == EditorInput::kEscape)
            return RTCAN;
        if (in.kind == EditorInput::kEnter)
            break;
        if (in.kind == EditorInput::kPick)
            addPick(run, in.id);
        else if (in.kind == EditorInput::kPickAt)
            addHits(run, in.first);
        else if (in.kind == EditorInput::kCorners && !m.pointsOnly)
            addBox(run, in.first, in.second);
        else if (in.kind == EditorInput::kText && !takeText(run, in.text, keywords))
            return RTCAN;
        if (m.single && !run.members().empty())
            break;
    }
    return run.members().empty() ? RTERROR : RTNORM;
}

} // namespace hxhost::detail
