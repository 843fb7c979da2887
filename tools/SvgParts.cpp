// Number text, escaping and the scale bar of the tool's SVG pictures.
#include "SvgParts.h"

#include <cmath>
#include <cstdio>

namespace hxwt {

std::string svgNumber(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", value);
    std::string text(buf);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string svgEscape(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '&':
            out += "&amp;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

std::string svgScaleBar(double pixelsPerMetre, double x, double y) {
    if (!(pixelsPerMetre > 0.0) || !std::isfinite(pixelsPerMetre))
        return {};
    const double target = 100.0 / pixelsPerMetre;
    const double power = std::pow(10.0, std::floor(std::log10(target)));
    double metres = power;
    for (double step : {2.0, 5.0, 10.0}) {
        if (power * step <= target)
            metres = power * step;
    }
    const double length = metres * pixelsPerMetre;
    char label[64];
    std::snprintf(label, sizeof label, "%g m", metres);
    return "  <g class=\"scale\"><path d=\"M" + svgNumber(x) + "," + svgNumber(y - 4) + " v4 h" +
           svgNumber(length) + " v-4\" fill=\"none\" stroke=\"#000\"/><text x=\"" +
           svgNumber(x + length + 4) + "\" y=\"" + svgNumber(y) + "\">" + label + "</text></g>\n";
}

} // namespace hxwt
