// Drawing-unit conversions of the host's C interface (acdbInters is in
// acutads.h).
#pragma once

#include "adsdef.h"
#include "adscodes.h"

#define HX_ACDB_ADS_API __attribute__((visibility("default")))

// Parses a distance. Units 1 (scientific) and 2 (decimal), and -1 (the
// current units, decimal), take: optional blanks, an optional sign, digits
// with at most one decimal point (at least one digit in all), an optional
// exponent (E or e, optional sign, digits), optional blanks. RTNORM with the
// value in *v; RTERROR (v untouched) for null input, anything else (letters,
// commas, two points, a bare sign, an empty text, a value out of range) and
// the units the stand-in does not parse (3, 4, 5).
HX_ACDB_ADS_API int acdbDisToF(const ACHAR* str, int unit, ads_real* v);
