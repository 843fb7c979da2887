// Allocation of result buffers and host strings for the stand-in's own code:
// the same memory discipline as acutNewRb / acutNewString (malloc, counted in
// the ledger) but without consulting fault injection, so that a fault planned
// for a caller's allocation does not hit the host's internal ones.
#pragma once

#include "adsdef.h"

namespace hxhost {

// A new zeroed result buffer of that type, counted; null when memory runs out.
resbuf* newRb(int type);
// A malloc'd copy of s (not counted: strings inside result buffers are counted
// with their buffer); null for null s or when memory runs out.
ACHAR* mallocCopy(const ACHAR* s);
// True when items of that code own a malloc'd string (rstring).
bool holdsString(int code);
// True when items of that code own a malloc'd binary chunk (rbinary.buf).
bool holdsBinary(int code);

} // namespace hxhost
