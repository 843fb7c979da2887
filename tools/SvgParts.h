// Pieces shared by the tool's SVG pictures: number text and a scale bar.
#pragma once

#include <string>

namespace hxwt {

// A coordinate in the picture: at most two decimals.
std::string svgNumber(double value);

// Text made safe for SVG content and attributes.
std::string svgEscape(const std::string& text);

// A scale bar with its left end at (x, y) for pixelsPerMetre: a round
// length (1, 2 or 5 times a power of ten metres) of about 100 pixels, with
// its label ("20 m").
std::string svgScaleBar(double pixelsPerMetre, double x, double y);

} // namespace hxwt
