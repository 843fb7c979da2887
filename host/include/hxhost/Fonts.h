// Stand-in only: how the stand-in host finds the fonts it measures text with,
// and fixed-metric faces that tests use to pin exact text widths. Module code
// never includes this header.
#pragma once

#include <string>

#include "hxhost/HostControl.h"

namespace hxhost {

// Makes `faceName` a face whose every character is `advance` pixels wide and
// whose cell is as high as the font asks (16 pixels by default), at any size.
// Kerning does not apply. Replaces an earlier registration of the name.
HX_CONTROL_API void setFixedMetricFace(const std::wstring& faceName, int advance);
HX_CONTROL_API void clearFixedMetricFaces();

// The font file that measures `faceName` at `weight` (FW_BOLD and above take
// the bold file), or empty when no installed file serves it.
HX_CONTROL_API std::string fontFileFor(const std::wstring& faceName, int weight = 400);
// The file of the face that supplies Chinese characters, or empty when no
// CJK-capable font package is installed.
HX_CONTROL_API std::string cjkFontFile();

} // namespace hxhost
