// Drawing-unit conversions and plan geometry of the host's C interface.
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

// Intersection of the line from1-to1 with the line from2-to2, in plan (z of
// the result taken along the first line). With teston non-zero the point must
// lie on both segments (ends included, tolerance 1e-10 of the segment
// length). RTNORM with the point in result; RTNONE for parallel or
// degenerate lines or, with teston, no common point; RTERROR for null input.
HX_ACDB_ADS_API int acdbInters(const ads_point from1, const ads_point to1, const ads_point from2,
                               const ads_point to2, int teston, ads_point result);
