// acedSSGet: the request logged, the mode read, the members chosen and the
// new set made.
#include "editor/EditorScript.h"
#include "editor/SelectionRun.h"
#include "hxhost/HostControl.h"

namespace hxhost::detail {
namespace {

bool readPoints(const void* chain, PlanPolygon& out) {
    for (auto* rb = static_cast<const resbuf*>(chain); rb != nullptr; rb = rb->rbnext) {
        if (rb->restype != RT3DPOINT && rb->restype != RTPOINT)
            return false;
        out.push_back({rb->resval.rpoint[X], rb->resval.rpoint[Y]});
    }
    return !out.empty();
}

PlanPoint planOf(const void* pt) {
    const auto* p = static_cast<const ads_real*>(pt);
    return {p[X], p[Y]};
}

// Window, crossing and box between two corners.
int selectBox(SelectionRun& run, const void* pt1, const void* pt2) {
    if (pt1 == nullptr || pt2 == nullptr)
        return RTREJ;
    const PlanPoint a = planOf(pt1);
    const PlanPoint b = planOf(pt2);
    SelectionMode::Kind kind = run.mode().kind;
    if (kind == SelectionMode::kBox)
        kind = a.x < b.x ? SelectionMode::kWindow : SelectionMode::kCrossing;
    const PlanBox box = PlanBox::of(a, b);
    for (const Candidate& c : run.candidates()) {
        if (!c.hasBox)
            continue;
        if (kind == SelectionMode::kWindow ? boxInside(c.box, box) : boxesMeet(c.box, box))
            run.add(c, kind == SelectionMode::kWindow ? kByWindow : kByCrossing);
    }
    return RTNORM;
}

int selectPolygon(SelectionRun& run, const void* pt1) {
    PlanPolygon points;
    if (!readPoints(pt1, points))
        return RTREJ;
    const SelectionMode::Kind kind = run.mode().kind;
    for (const Candidate& c : run.candidates()) {
        if (!c.hasBox)
            continue;
        if (kind == SelectionMode::kWindowPolygon && boxInsidePolygon(c.box, points))
            run.add(c, kByWindow);
        else if (kind == SelectionMode::kCrossingPolygon && boxMeetsPolygon(c.box, points))
            run.add(c, kByCrossing);
        else if (kind == SelectionMode::kFence && boxMeetsFence(c.box, points))
            run.add(c, kByFence);
    }
    return RTNORM;
}

int selectLast(SelectionRun& run) {
    const auto& all = run.candidates();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if (!it->paperSpace) {
            run.add(*it, kByProgram);
            break;
        }
    }
    return RTNORM;
}

int selectListed(SelectionRun& run, const std::vector<AcDbObjectId>& ids) {
    for (AcDbObjectId id : ids)
        run.addById(id);
    return RTNORM;
}

int selectAll(SelectionRun& run) {
    for (const Candidate& c : run.candidates())
        run.add(c, kByProgram);
    return RTNORM;
}

int choose(SelectionRun& run, const void* pt1, const void* pt2) {
    switch (run.mode().kind) {
    case SelectionMode::kInteractive:
        return runInteractive(run, pt1, pt2);
    case SelectionMode::kFilterOnly:
    case SelectionMode::kAll:
        return selectAll(run);
    case SelectionMode::kWindow:
    case SelectionMode::kCrossing:
    case SelectionMode::kBox:
        return selectBox(run, pt1, pt2);
    case SelectionMode::kWindowPolygon:
    case SelectionMode::kCrossingPolygon:
    case SelectionMode::kFence:
        return selectPolygon(run, pt1);
    case SelectionMode::kLast:
        return selectLast(run);
    case SelectionMode::kImplied:
        return selectListed(run, impliedSelection());
    case SelectionMode::kPrevious: {
        std::vector<AcDbObjectId> ids;
        for (const SelectedEntity& e : previousSelection())
            ids.push_back(e.id);
        return selectListed(run, ids);
    }
    }
    return RTREJ;
}

void logCall(const ACHAR* mode, const SelectionMode& parsed, const void* pt1, const void* pt2,
             const resbuf* filter) {
    SelectionRequest r;
    r.modeWasNull = mode == nullptr;
    r.mode = mode != nullptr ? mode : L"";
    r.hadFilter = filter != nullptr;
    const bool interactive = parsed.kind == SelectionMode::kInteractive;
    if (interactive && parsed.prompts && pt1 != nullptr) {
        const auto* prompts = static_cast<const ACHAR* const*>(pt1);
        r.addPrompt = prompts[0] != nullptr ? prompts[0] : L"";
        r.removePrompt = prompts[1] != nullptr ? prompts[1] : L"";
    }
    if (interactive && parsed.keywords && pt2 != nullptr)
        r.keywords = static_cast<const ACHAR*>(pt2);
    logRequest(r);
}

} // namespace
} // namespace hxhost::detail

int acedSSGet(const ACHAR* mode, const void* pt1, const void* pt2, const resbuf* filter,
              ads_name ss) {
    using namespace hxhost::detail;
    SelectionMode parsed;
    const bool known = parseSelectionMode(mode, parsed);
    logCall(mode, parsed, pt1, pt2, filter);
    if (!known || ss == nullptr)
        return RTREJ;
    SelectionFilter reader;
    if (!reader.read(filter))
        return RTREJ;
    if (hxhost::shouldFail("acedSSGet") || selectionSetCount() >= kMaxSelectionSets)
        return RTERROR;
    SelectionRun run(parsed, reader);
    const int rc = choose(run, pt1, pt2);
    if (rc != RTNORM)
        return rc;
    if (run.members().empty())
        return RTERROR;
    setPreviousSelection(run.members());
    return makeSelectionSet(run.members(), ss) ? RTNORM : RTERROR;
}
