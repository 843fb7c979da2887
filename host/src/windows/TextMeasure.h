// Measuring text in a logical font: FreeType over the installed font files,
// or the fixed metrics that tests register.
#pragma once

#include "windows.h"

namespace hxwin {

// Width (sum of the characters' advances plus the face's kerning) and cell
// height of the first `count` characters of text, in pixels.
SIZE measureText(const LOGFONTW& font, const wchar_t* text, int count);

} // namespace hxwin
