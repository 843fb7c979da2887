// Editor and drawing functions of the host's C interface: system variables,
// symbol-table search and application registration. Selection functions join
// this header as the editor grows.
#pragma once

#include "adsdef.h"
#include "adscodes.h"

#include <cstddef>

#define HX_ACED_API __attribute__((visibility("default")))

// Reads a system variable into `result` (a caller-owned buffer; string values
// are allocated and the caller frees them). RTNORM, or RTERROR for an unknown
// name.
HX_ACED_API int acedGetVar(const ACHAR* name, struct resbuf* result);
// Sets a system variable; RTNORM, or RTERROR for an unknown name or a value
// of the wrong type.
HX_ACED_API int acedSetVar(const ACHAR* name, const struct resbuf* value);

// Searches a symbol table of the working database ("APPID", "LAYER",
// "BLOCK", ...) for a record. Returns a new chain (-1 entity name, 0 table
// name, 2 record name, 70 flags) that the caller releases with acutRelRb, or
// null when the record does not exist. setnext is accepted and ignored.
HX_ACED_API struct resbuf* acdbTblSearch(const ACHAR* tblname, const ACHAR* sym, int setnext);
// Registers an application name in the working database's APPID table.
// RTNORM when it was added; RTERROR when the name is invalid, already
// registered, or the registration was refused.
HX_ACED_API int acdbRegApp(const ACHAR* appname);

// --- Selection sets
//
// A selection set is named by an ads_name (word 0 its serial, word 1 a tag),
// lists entity names in the order they were selected (drawing order for the
// modes that scan the drawing) and is counted by the stand-in until it is
// freed with acedSSFree. At most 128 sets are held at a time; a 129th is
// refused with RTERROR. Selection reads the current document's database (the
// working database when no document is open).

typedef struct resbuf* (*HxSSCallback)(const ACHAR* input);

// Selects entities into a new set ss. mode:
//   "_X" / "X": every entity of the drawing that passes the filter;
//   "_A" / "A": every entity (the stand-in has no frozen layers, so as "_X");
//   "_W", "_C": window / crossing between the corners pt1 and pt2 (plan,
//     ads_point) over the entities' extents; "_B": window when pt1 lies left
//     of pt2, crossing otherwise;
//   "_WP", "_CP", "_F": window polygon, crossing polygon and fence through the
//     points of the RT3DPOINT/RTPOINT chain pt1;
//   "_L": the last live entity of model space; "_P": the previous selection
//     (the members of the last set that acedSSGet made, erased ones dropped);
//   "_I": the implied (pick-first) selection;
//   null or a string of options (":S" single, ":$" prompts, ":D" duplicates,
//     ":E" everything in the aperture, ":L" reject locked layers, ":C" reject
//     other spaces, ":P" reject paper-space viewports, ":K" keywords, ":?"
//     other input, "+L" allow Last, "+." points only): interactive selection
//     from the scripted editor (hxhost/Editor.h). With ":$" pt1 is a pair of
//     prompts (add, remove); with ":K" pt2 is the keyword list; without ":$"
//     a non-null pt1 is a point and the entity there is picked without asking.
// filter (may be null): items of codes 0 (entity type, wildcards), 2 (block
// name of a block reference, wildcards), 8 (layer, wildcards), 62 (colour
// number), 67 (0 model space, 1 paper space), 1001 (has xdata of that
// application, wildcards); all items must hold. Returns RTNORM with a set of
// at least one entity; RTERROR when nothing was selected (ss untouched), when
// 128 sets are held, or on fault "acedSSGet"; RTCAN when the user pressed
// Escape; RTREJ for an unknown mode, missing points or a filter code the
// stand-in does not know.
HX_ACED_API int acedSSGet(const ACHAR* mode, const void* pt1, const void* pt2,
                          const struct resbuf* filter, ads_name ss);
// Frees a set; RTERROR for a name that is no held set.
HX_ACED_API int acedSSFree(const ads_name ss);
// Number of members; RTERROR (len untouched) for a name that is no held set
// or a null len.
HX_ACED_API int acedSSLength(const ads_name ss, Adesk::Int32* len);
// The member at index i; RTERROR for no set or an index out of range.
HX_ACED_API int acedSSName(const ads_name ss, Adesk::Int32 i, ads_name entres);
// A new chain describing member i (caller releases it): RTLB, RTSHORT
// selection method (0 by program, 1 pick, 2 window, 3 crossing, 4 fence),
// RTENAME the entity, RTSHORT its marker (0: the stand-in has no
// sub-entities), then for a pick RTLB RTSHORT 0 RT3DPOINT point RTLE, and a
// final RTLE. RTERROR (*rbpp null) for no set, an index out of range or a
// failed allocation.
HX_ACED_API int acedSSNameX(struct resbuf** rbpp, const ads_name ss, Adesk::Int32 i,
                            unsigned int flags = 0);
// Both null: result becomes a new empty set. ename only: a new set holding
// ename. Both: adds ename to sname (kept once) and result names sname.
// RTERROR for a name that is no live entity or no held set, when 128 sets are
// held, or on fault "acedSSAdd".
HX_ACED_API int acedSSAdd(const ads_name ename, const ads_name sname, ads_name result);
// Removes ename from ss; RTERROR when it is no member or ss no held set.
HX_ACED_API int acedSSDel(const ads_name ename, const ads_name ss);
// RTNORM when ename is a member of ss, else RTERROR.
HX_ACED_API int acedSSMemb(const ads_name ename, const ads_name ss);
// Callbacks of interactive selection (":K" keywords, ":?" other input); null
// clears. They stay set until changed. RTNORM.
HX_ACED_API int acedSSSetKwordCallbackPtr(HxSSCallback callback);
HX_ACED_API int acedSSGetKwordCallbackPtr(HxSSCallback* callback);
HX_ACED_API int acedSSSetOtherCallbackPtr(HxSSCallback callback);
HX_ACED_API int acedSSGetOtherCallbackPtr(HxSSCallback* callback);

// --- Single entity picks

// Keywords (blank-separated) that the next acedEntSel accepts; flags ignored.
HX_ACED_API int acedInitGet(int flags, const ACHAR* keywords);
// Asks the scripted editor for one entity: RTNORM with its name and the
// picked point; RTERROR with "errno" 7 when the pick hits nothing and 52 on
// an empty answer (Enter); RTKWORD for a keyword given to acedInitGet (text
// through acedGetInput); RTCAN for Escape or when the script is used up. The
// prompt is printed. Keywords of acedInitGet are used up by the call.
HX_ACED_API int acedEntSel(const ACHAR* prompt, ads_name entres, ads_point ptres);
// The keyword of the last RTKWORD answer, copied into str (at most
// maxLength characters with the terminator); RTERROR when there is none.
HX_ACED_API int acedGetInput(ACHAR* str, size_t maxLength = 512);

#include "acdbads.h"
