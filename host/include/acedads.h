// Editor and drawing functions of the host's C interface: system variables,
// symbol-table search and application registration. Selection functions join
// this header as the editor grows.
#pragma once

#include "adsdef.h"
#include "adscodes.h"

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
