// The C runtime's wide-text number parsing that the host's platform offers
// beside the standard library (its <stdlib.h> and <tchar.h> names).
#pragma once

#include "windows.h"

// The integer at the start of text: leading white space is skipped, then an
// optional sign and the decimal digits up to the first other character. No
// digits (or null text) give 0; a value beyond int gives INT_MAX or INT_MIN.
HX_HOST_API int _wtoi(const wchar_t* text);

// The number at the start of text, as wcstod reads it in the C locale
// (leading white space skipped); no number (or null text) gives 0.
HX_HOST_API double _wtof(const wchar_t* text);

#define _ttoi _wtoi
#define _ttof _wtof
