// Host-internal: the splitting of multi-line text contents into lines and
// formatting runs (see dbmtext.h for the codes understood).
#pragma once

#include <string>
#include <vector>

namespace hxhost {

struct MTextRun {
    std::wstring text; // the run's characters, codes removed
    double height = 0; // the run's text height
    int line = 0;      // 0-based paragraph number
};

// The runs of contents in reading order, empty runs left out. A run ends at
// every paragraph break and wherever the formatting changes. baseHeight is the
// height outside any \H code.
std::vector<MTextRun> splitMText(const std::wstring& contents, double baseHeight);

} // namespace hxhost
