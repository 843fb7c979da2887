// Host-internal: the mode string of acedSSGet, read into a kind and the
// options of interactive selection.
#pragma once

#include "adesk.h"

namespace hxhost::detail {

struct SelectionMode {
    enum Kind {
        kInteractive,
        kFilterOnly,
        kAll,
        kWindow,
        kCrossing,
        kBox,
        kWindowPolygon,
        kCrossingPolygon,
        kFence,
        kLast,
        kPrevious,
        kImplied
    };
    Kind kind = kInteractive;
    bool single = false;         // :S
    bool prompts = false;        // :$
    bool duplicates = false;     // :D
    bool everything = false;     // :E
    bool rejectLocked = false;   // :L
    bool currentSpace = false;   // :C
    bool rejectViewport = false; // :P
    bool keywords = false;       // :K
    bool other = false;          // :?
    bool allowLast = false;      // +L
    bool pointsOnly = false;     // +.
};

// Reads a mode string (null: plain interactive selection). Named modes may
// carry a leading underscore and any case; options may be combined in any
// order, each with an optional leading underscore. False for anything else.
bool parseSelectionMode(const ACHAR* mode, SelectionMode& out);

} // namespace hxhost::detail
