// The scripted editor's state and its control functions.
#include "editor/EditorScript.h"
#include "editor/EditorState.h"
#include "text/AsciiCase.h"
#include "editor/SelectionSets.h"

#include <deque>
#include <sstream>

namespace hxhost::detail {

struct Script {
    std::deque<EditorInput> queue;
    std::vector<SelectionRequest> log;
    std::vector<AcDbObjectId> implied;
    HxSSCallback keyword = nullptr;
    HxSSCallback other = nullptr;
    std::wstring initGet;
    std::wstring lastKeyword;
};

Script& script() {
    static Script s;
    return s;
}

void queue(EditorInput in) {
    script().queue.push_back(std::move(in));
}

bool nextInput(EditorInput& out) {
    if (script().queue.empty())
        return false;
    out = script().queue.front();
    script().queue.pop_front();
    return true;
}

void logRequest(const SelectionRequest& request) {
    script().log.push_back(request);
}

const std::vector<AcDbObjectId>& impliedSelection() {
    return script().implied;
}

HxSSCallback& keywordCallback() {
    return script().keyword;
}

HxSSCallback& otherCallback() {
    return script().other;
}

std::wstring& initGetKeywords() {
    return script().initGet;
}

std::wstring& lastKeyword() {
    return script().lastKeyword;
}

bool isKeyword(const std::wstring& text, const std::wstring& keywords) {
    std::wistringstream words(keywords);
    std::wstring word;
    while (words >> word) {
        if (sameNameNoCase(word.c_str(), text.c_str()))
            return true;
    }
    return false;
}

void setErrno(short value) {
    resbuf rb{};
    rb.restype = RTSHORT;
    rb.resval.rint = value;
    acedSetVar(L"ERRNO", &rb);
}

void resetEditorScript() {
    script() = Script();
    freeAllSelectionSets();
}

} // namespace hxhost::detail

namespace hxhost {

using detail::EditorInput;

void queuePick(AcDbObjectId id) {
    EditorInput in;
    in.kind = EditorInput::kPick;
    in.id = id;
    detail::queue(in);
}

void queuePickAt(const AcGePoint3d& pt) {
    EditorInput in;
    in.kind = EditorInput::kPickAt;
    in.first = pt;
    detail::queue(in);
}

void queueCorners(const AcGePoint3d& first, const AcGePoint3d& second) {
    EditorInput in;
    in.kind = EditorInput::kCorners;
    in.first = first;
    in.second = second;
    detail::queue(in);
}

void queueText(const wchar_t* text) {
    EditorInput in;
    in.kind = EditorInput::kText;
    in.text = text != nullptr ? text : L"";
    detail::queue(in);
}

void queueEscape() {
    EditorInput in;
    in.kind = EditorInput::kEscape;
    detail::queue(in);
}

void queueEnter() {
    detail::queue(EditorInput());
}

int pendingInput() {
    return static_cast<int>(detail::script().queue.size());
}

std::vector<SelectionRequest> selectionRequests() {
    return detail::script().log;
}

std::wstring lastSelectionMode() {
    const auto& log = detail::script().log;
    return log.empty() ? std::wstring() : log.back().mode;
}

void setImpliedSelection(const std::vector<AcDbObjectId>& ids) {
    detail::script().implied = ids;
}

} // namespace hxhost

int acedSSSetKwordCallbackPtr(HxSSCallback callback) {
    hxhost::detail::keywordCallback() = callback;
    return RTNORM;
}

int acedSSGetKwordCallbackPtr(HxSSCallback* callback) {
    if (callback == nullptr)
        return RTERROR;
    *callback = hxhost::detail::keywordCallback();
    return RTNORM;
}

int acedSSSetOtherCallbackPtr(HxSSCallback callback) {
    hxhost::detail::otherCallback() = callback;
    return RTNORM;
}

int acedSSGetOtherCallbackPtr(HxSSCallback* callback) {
    if (callback == nullptr)
        return RTERROR;
    *callback = hxhost::detail::otherCallback();
    return RTNORM;
}
