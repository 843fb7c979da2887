// Host-internal: the scripted editor's queue of user input, its log of
// selection requests, the pick-first selection, the selection callbacks and
// the keywords of acedInitGet. One process-wide instance.
#pragma once

#include "acedads.h"
#include "hxhost/Editor.h"

#include <string>
#include <vector>

namespace hxhost::detail {

struct EditorInput {
    enum Kind { kPick, kPickAt, kCorners, kText, kEscape, kEnter };
    Kind kind = kEnter;
    AcDbObjectId id;    // kPick
    AcGePoint3d first;  // kPickAt, kCorners
    AcGePoint3d second; // kCorners
    std::wstring text;  // kText
};

// Takes the next input; false when the queue is empty.
bool nextInput(EditorInput& out);
void logRequest(const SelectionRequest& request);
const std::vector<AcDbObjectId>& impliedSelection();
HxSSCallback& keywordCallback();
HxSSCallback& otherCallback();
// Keywords of acedInitGet for the next acedEntSel; the last keyword answered.
std::wstring& initGetKeywords();
std::wstring& lastKeyword();
// True when text is one of the blank-separated keywords (ASCII case ignored).
bool isKeyword(const std::wstring& text, const std::wstring& keywords);
// Sets the "errno" system variable.
void setErrno(short value);
// Everything back to a fresh editor's.
void resetEditorScript();

} // namespace hxhost::detail
