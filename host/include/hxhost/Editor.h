// Stand-in only: the scripted editor. Tests and tools queue what the user
// would do at the host's prompts (pick an entity, click a point, drag a box,
// type a keyword, press Escape or Enter); interactive acedSSGet and acedEntSel
// consume the queue in order. The editor records every acedSSGet request
// (mode string, prompts, keywords) so callers can check what they asked for.
// Module code never includes this header.
//
// resetEditor (hxhost/Session.h) empties the queue, the request log, the
// implied and previous selections and the callbacks, and frees every
// selection set still held.
#pragma once

#include "dbid.h"
#include "gepnt3d.h"

#include <string>
#include <vector>

#define HX_EDITOR_API __attribute__((visibility("default")))

namespace hxhost {

// --- What the user does, in order

// Clicks on the entity (at the centre of its extents). A null, erased or
// extent-less id is a click at the origin that misses.
HX_EDITOR_API void queuePick(AcDbObjectId id);
// Clicks at a point: hits the entities whose plan extents hold it (the last
// drawn one, or all of them with ":E"); a click on nothing is a miss.
HX_EDITOR_API void queuePickAt(const AcGePoint3d& pt);
// Drags a box from first to second: a window when first lies left of second,
// a crossing otherwise. Refused (ignored) in "+." and ":S"-with-"+." modes.
HX_EDITOR_API void queueCorners(const AcGePoint3d& first, const AcGePoint3d& second);
// Types a text: a keyword when it is in the keyword list (":K" of acedSSGet,
// acedInitGet of acedEntSel), "L"/"Last" under "+L", else other input (":?").
HX_EDITOR_API void queueText(const wchar_t* text);
HX_EDITOR_API void queueEscape();
// Ends a multiple selection (an empty answer).
HX_EDITOR_API void queueEnter();
// Inputs not yet consumed.
HX_EDITOR_API int pendingInput();

// --- What was asked

struct SelectionRequest {
    std::wstring mode; // as given ("" for null)
    bool modeWasNull = false;
    std::wstring addPrompt; // ":$" prompts, empty otherwise
    std::wstring removePrompt;
    std::wstring keywords; // ":K" keyword list, empty otherwise
    bool hadFilter = false;
};
// Every acedSSGet call since the last reset, oldest first.
HX_EDITOR_API std::vector<SelectionRequest> selectionRequests();
// The mode of the latest call ("" when none).
HX_EDITOR_API std::wstring lastSelectionMode();

// --- Editor state

// The pick-first selection that "_I" gives.
HX_EDITOR_API void setImpliedSelection(const std::vector<AcDbObjectId>& ids);
// Selection sets held now (what acedSSFree has not freed).
HX_EDITOR_API int heldSelectionSets();

} // namespace hxhost
