// Reading acedSSGet's mode strings.
#include "editor/SelectionMode.h"
#include "text/AsciiCase.h"

#include <string>

namespace hxhost::detail {
namespace {

struct Named {
    const wchar_t* name;
    SelectionMode::Kind kind;
};

const Named kNamedModes[] = {
    {L"X", SelectionMode::kFilterOnly},
    {L"A", SelectionMode::kAll},
    {L"W", SelectionMode::kWindow},
    {L"C", SelectionMode::kCrossing},
    {L"B", SelectionMode::kBox},
    {L"WP", SelectionMode::kWindowPolygon},
    {L"CP", SelectionMode::kCrossingPolygon},
    {L"F", SelectionMode::kFence},
    {L"L", SelectionMode::kLast},
    {L"P", SelectionMode::kPrevious},
    {L"I", SelectionMode::kImplied},
};

// Sets the option flag of a two-character token; false for an unknown one.
bool setOption(wchar_t lead, wchar_t letter, SelectionMode& m) {
    if (lead == L'+') {
        bool& flag = letter == L'L' ? m.allowLast : m.pointsOnly;
        if (letter != L'L' && letter != L'.')
            return false;
        flag = true;
        return true;
    }
    switch (letter) {
    case L'S':
        m.single = true;
        return true;
    case L'$':
        m.prompts = true;
        return true;
    case L'D':
        m.duplicates = true;
        return true;
    case L'E':
        m.everything = true;
        return true;
    case L'L':
        m.rejectLocked = true;
        return true;
    case L'C':
        m.currentSpace = true;
        return true;
    case L'P':
        m.rejectViewport = true;
        return true;
    case L'K':
        m.keywords = true;
        return true;
    case L'?':
        m.other = true;
        return true;
    default:
        return false;
    }
}

bool parseOptions(const std::wstring& s, SelectionMode& m) {
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] == L'_')
            ++i;
        if (i + 1 >= s.size() || (s[i] != L':' && s[i] != L'+'))
            return false;
        if (!setOption(s[i], s[i + 1], m))
            return false;
        i += 2;
    }
    return true;
}

} // namespace

bool parseSelectionMode(const ACHAR* mode, SelectionMode& out) {
    out = SelectionMode();
    if (mode == nullptr)
        return true;
    std::wstring s = upperAscii(mode);
    const std::wstring bare = !s.empty() && s[0] == L'_' ? s.substr(1) : s;
    for (const Named& n : kNamedModes) {
        if (bare == n.name) {
            out.kind = n.kind;
            return true;
        }
    }
    return parseOptions(s, out);
}

} // namespace hxhost::detail
