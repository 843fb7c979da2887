// Utility functions of the host's C interface: result-buffer chains, host
// strings, the command-line printer and plan geometry helpers.
//
// Chains and strings handed out here are counted by the stand-in until they
// are released with acutRelRb / acutDelString (see hxhost/HostControl.h).
#pragma once

#include "adsdef.h"
#include "adscodes.h"

#define HX_ADS_API __attribute__((visibility("default")))

// A new result buffer of the given type (DXF group code or RT code), zeroed,
// with rbnext null; null on allocation failure (or fault "alloc").
HX_ADS_API struct resbuf* acutNewRb(int type);
// Releases a whole chain, including the strings and binary chunks that its
// string- and binary-typed items own (freed with free()). Null is accepted.
HX_ADS_API int acutRelRb(struct resbuf* rb);
// Builds a chain from (type, value) pairs ended by 0: strings as const ACHAR*,
// shorts and ints as int, reals as double, points as const ads_real*, names as
// ads_name, binary chunks as const ads_binary*; codes without a value (RTLB,
// RTNIL, -3, ...) take no argument; RTDXF0 gives an item of code 0. Strings and
// chunks are copied (malloc). Null on an unrecognised code, a null string,
// point, name or chunk, or failure (fault "alloc"); nothing is left allocated.
HX_ADS_API struct resbuf* acutBuildList(int rtype, ...);
// Copies a string into host memory (malloc); RTNORM, or RTERROR (output
// untouched) for null input or on failure (fault "alloc").
HX_ADS_API int acutNewString(const ACHAR* input, ACHAR*& output);
// Frees a string made by acutNewString and nulls the pointer; null is
// accepted. RTNORM.
HX_ADS_API int acutDelString(ACHAR*& string);
// Prints to the host's command line (captured by the stand-in).
HX_ADS_API int acutPrintf(const ACHAR* format, ...);
// Value kind of a DXF group code or RT code, as an AcDb::DwgDataType (acdb.h):
// kDwgText and kDwgHandle items hold rstring, kDwgBChunk rbinary, kDwg3Real
// rpoint, kDwgReal rreal, kDwgInt16/kDwgInt8 rint, kDwgInt32 rlong, kDwgInt64
// mnInt64, the id kinds (also RTENAME, RTPICKS, -1, -2) rlname; kDwgNull for
// codes without a value; kDwgNotRecognized for unknown codes.
HX_ADS_API int acdbGroupCodeToType(int code);

// Angle of the vector pt1 -> pt2 in the XY plane, radians in [0, 2pi).
HX_ADS_API ads_real acutAngle(const ads_point pt1, const ads_point pt2);
// The point at distance dist from pt in direction angle (XY plane).
HX_ADS_API void acutPolar(const ads_point pt, ads_real angle, ads_real dist, ads_point result);
// Distance between two points.
HX_ADS_API ads_real acutDistance(const ads_point pt1, const ads_point pt2);
// The point where the line through from1 and to1 meets the line through from2
// and to2, in the plan (z taken along the first line). With teston non-zero
// the point must lie on both segments. RTNORM; RTNONE for parallel lines or a
// point off a segment (result untouched); RTERROR for a null argument.
HX_ADS_API int acdbInters(const ads_point from1, const ads_point to1, const ads_point from2,
                          const ads_point to2, int teston, ads_point result);
