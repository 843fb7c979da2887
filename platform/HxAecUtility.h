// The product's base module HxAecUtility: installation directory, number text
// and Word automation.
#pragma once

#include "atlstr.h"

#include "HxWordAutomation.h"

#ifndef HXAECUTILITY_API
#define HXAECUTILITY_API __declspec(dllimport)
#endif

// The product's installation directory, ending in a backslash: the
// environment variable HXWT_MAIN_DIR (UTF-8) when set, else the current
// directory; a trailing '/' or '\' is replaced by the one backslash.
HXAECUTILITY_API CString GetMainDirectory();

// A number as decimal text with `decimals` decimals. With 0 decimals and an
// integral non-negative value: the plain digits, without sign, point or
// exponent. `trimZeros` drops trailing zeros of the decimals (and a point
// left alone). Decimals are clamped to 0..17; a value that rounds to zero has
// no sign; NaN and infinities give "nan", "inf" and "-inf".
HXAECUTILITY_API CString ftoa(double value, int decimals, bool trimZeros);
