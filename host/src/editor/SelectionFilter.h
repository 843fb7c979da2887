// Host-internal: the filter list of acedSSGet, read once and tested against
// each candidate. Supported codes: 0 entity type, 2 block name of a block
// reference, 8 layer, 62 colour, 67 space, 1001 xdata application. Texts are
// wildcard patterns (see wildcardMatch). Every item must hold.
#pragma once

#include "editor/SelectionScan.h"
#include "adsdef.h"

#include <string>
#include <vector>

namespace hxhost::detail {

// The host's wildcard match, without regard to ASCII case: * any run, ? any
// character, # a digit, @ a letter, . a character that is neither, [...] a
// class ([~...] negated, a-z ranges), ` escapes the next character, a leading
// ~ negates the whole pattern, and commas separate alternatives.
bool wildcardMatch(const std::wstring& text, const std::wstring& pattern);

class SelectionFilter {
public:
    // Reads the chain (null: no filter). False for a code the stand-in does
    // not filter on or a text item without text.
    bool read(const resbuf* chain);
    bool matches(const Candidate& c) const;

private:
    struct Item {
        short code = 0;
        std::wstring text;
        int number = 0;
    };
    bool holds(const Item& item, const Candidate& c) const;
    std::vector<Item> m_items;
};

} // namespace hxhost::detail
