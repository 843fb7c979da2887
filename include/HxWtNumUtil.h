// Number and index text utilities of HxWtUtility: number-to-text conversion,
// a test for positive integer text, the rotation of the current UCS, a signed
// square root and power, and index labels such as "J7" or "Pa" (the next label
// of a sequence, and which of two labels comes later).
//
// All functions are stateless, report no errors and print nothing; text that
// does not fit degrades as each function says.
#pragma once

#include "HxWtHost.h"

// n as decimal text ("%d" style: sign only when negative).
HXWTUTILITY_API CString HxWtNum2Str(long n);

// value with `digits` decimals in fixed-point form, rounded by the runtime's
// formatter (0 gives no decimal point); digits -1 gives the "%g" form (six
// significant digits). Other negative digits have no specified result.
HXWTUTILITY_API CString HxWtNum2Str(double value, int digits);

// True when text is a positive decimal integer written with ASCII digits only,
// without sign, blank or leading zero. Empty text, "0" and "007" are false.
HXWTUTILITY_API bool IsPositiveIntNumber(const CString& text);

// The angle of the current UCS x axis in the world XY plane (from the system
// variable "UCSXDIR"), radians in [-pi, pi]. Unspecified when the variable
// cannot be read.
HXWTUTILITY_API double HxWtGetUcsRotation();

// Signed square root: sqrt(x) for x >= 0, -sqrt(-x) below; NaN stays NaN.
HXWTUTILITY_API double HxWtSqrt(double x);

// Signed power: for base < -g_fZero, -pow(-base, exponent); otherwise the
// runtime's pow(base, exponent) unchanged.
HXWTUTILITY_API double HxWtPow(double base, double exponent);

// The next index label: a final letter steps to the next one of its case (z
// wraps to a, Z to A, no carry); otherwise the trailing digit run v (0 when
// there is none) becomes v + 1 without leading zeros ("J09" -> "J10",
// "P-" -> "P-1"). Empty text gives empty text.
HXWTUTILITY_API CString HxWtIncreaseIndex(const CString& label);

// True when the index of `first` comes after the index of `second`. Prefixes
// are ignored. Keys are a final letter, else the trailing number's plain
// digits; two one-character keys compare by character code (so "a" is after
// "Z" and after any single digit), others by their integer values.
HXWTUTILITY_API bool HxWtIsFirstIndexStrBigger(const CString& first, const CString& second);
