// The SVG drawing of a GraphView.
#include "GraphSvg.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "GraphPrint.h"
#include "SvgParts.h"

namespace hxwt {
namespace {

constexpr double kWidth = 800.0;
constexpr double kMargin = 40.0;
constexpr double kTop = 90.0;      // title and legend above the plan
constexpr double kMinRadius = 5.0; // pixels, so small wells stay visible

// Maps drawing coordinates onto the picture (uniform scale, y flipped).
struct Frame {
    double minX = 0.0, maxY = 0.0, scale = 1.0, height = 0.0;

    double px(double x) const { return kMargin + (x - minX) * scale; }
    double py(double y) const { return kTop + (maxY - y) * scale; }
};

Frame fit(const GraphView& view) {
    double minX = 0.0, minY = 0.0, maxX = 0.0, maxY = 0.0;
    bool first = true;
    auto grow = [&](double x, double y) {
        minX = first ? x : std::min(minX, x);
        maxX = first ? x : std::max(maxX, x);
        minY = first ? y : std::min(minY, y);
        maxY = first ? y : std::max(maxY, y);
        first = false;
    };
    for (const NodeView& n : view.nodes) {
        grow(n.x - n.sizeX / 2, n.y - n.sizeY / 2);
        grow(n.x + n.sizeX / 2, n.y + n.sizeY / 2);
    }
    for (const EdgeView& e : view.edges) {
        grow(e.x1, e.y1);
        grow(e.x2, e.y2);
    }
    Frame f;
    f.minX = minX;
    f.maxY = maxY;
    double span = std::max(maxX - minX, maxY - minY);
    f.scale = span > 0.0 ? (kWidth - 2 * kMargin) / span : 1.0;
    f.height = (maxY - minY) * f.scale + kTop + 2 * kMargin;
    return f;
}

std::string n(double value) {
    return svgNumber(value);
}

// A label at (x, y) that stays inside the picture: anchored at its end near
// the right edge.
std::string label(const char* cls, double x, double y, const std::string& text) {
    const bool right = x > kWidth - 80;
    const std::string attr = *cls ? " class=\"" + std::string(cls) + "\"" : std::string();
    return "  <text" + attr + " x=\"" + n(right ? std::min(x, kWidth - 4) : x) + "\" y=\"" + n(y) +
           "\"" + (right ? " text-anchor=\"end\"" : "") + ">" + svgEscape(text) + "</text>\n";
}

double nodeRadius(const NodeView& node, const Frame& f) {
    return std::max(kMinRadius, std::max(node.sizeX, node.sizeY) / 2 * f.scale);
}

const NodeView* nodeAt(const GraphView& view, int index) {
    if (index < 0 || index >= static_cast<int>(view.nodes.size()))
        return nullptr;
    return &view.nodes[static_cast<size_t>(index)];
}

void writeEdge(std::ostream& out, const GraphView& view, const EdgeView& e, const Frame& f) {
    double x1 = f.px(e.x1), y1 = f.py(e.y1), x2 = f.px(e.x2), y2 = f.py(e.y2);
    const NodeView* from = nodeAt(view, e.startNode);
    const NodeView* to = nodeAt(view, e.endNode);
    bool oriented = from != nullptr && to != nullptr;
    // Run the line from the start node's end to the end node's end.
    if (oriented && std::hypot(f.px(to->x) - x1, f.py(to->y) - y1) <
                        std::hypot(f.px(to->x) - x2, f.py(to->y) - y2)) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    // Stop short of the nodes so the arrow head stays visible.
    double len = std::hypot(x2 - x1, y2 - y1);
    if (oriented && len > 0.0) {
        double r1 = std::min(nodeRadius(*from, f) + 2, len / 3);
        double r2 = std::min(nodeRadius(*to, f) + 2, len / 3);
        double ux = (x2 - x1) / len, uy = (y2 - y1) / len;
        x1 += ux * r1;
        y1 += uy * r1;
        x2 -= ux * r2;
        y2 -= uy * r2;
    }
    out << "  <line class=\"" << (oriented ? "pipe" : "pipe link") << "\" x1=\"" << n(x1)
        << "\" y1=\"" << n(y1) << "\" x2=\"" << n(x2) << "\" y2=\"" << n(y2) << "\""
        << (oriented ? " marker-end=\"url(#flow)\"" : "") << "><title>pipe " << e.handle
        << "</title></line>\n";
    out << label("dn", (x1 + x2) / 2 + 4, (y1 + y2) / 2 - 4, "DN" + std::to_string(e.diameter));
}

void writeNode(std::ostream& out, const NodeView& node, bool root, const Frame& f) {
    double x = f.px(node.x), y = f.py(node.y);
    const char* cls = root ? "node root" : "node";
    if (node.kind == "pool") {
        double w = std::max(2 * kMinRadius, node.sizeX * f.scale);
        double h = std::max(2 * kMinRadius, node.sizeY * f.scale);
        out << "  <rect class=\"" << cls << "\" x=\"" << n(x - w / 2) << "\" y=\"" << n(y - h / 2)
            << "\" width=\"" << n(w) << "\" height=\"" << n(h) << "\"><title>" << node.handle
            << "</title></rect>\n";
    } else {
        out << "  <circle class=\"" << cls << "\" cx=\"" << n(x) << "\" cy=\"" << n(y) << "\" r=\""
            << n(nodeRadius(node, f)) << "\"><title>" << node.handle << "</title></circle>\n";
    }
    double r = nodeRadius(node, f);
    std::string name = node.name.empty() ? "#" + std::to_string(node.index) : node.name;
    out << label("well", x + r + 3, y + r + 12, name + (root ? " (root)" : ""));
}

void writeLegend(std::ostream& out, const GraphView& view) {
    out << "  <text x=\"" << n(kMargin) << "\" y=\"20\">" << svgEscape(view.file) << ": "
        << (view.isPath ? "gravity path" : view.type + " network") << ", root "
        << (view.root.empty() ? "-" : view.root) << "</text>\n";
    out << "  <g class=\"legend\">\n";
    out << "  <line class=\"pipe\" x1=\"40\" y1=\"40\" x2=\"80\" y2=\"40\" "
           "marker-end=\"url(#flow)\"/>\n"
        << label("", 86, 44, view.isPath ? "pipe, arrow from first to last" : "pipe, arrow = flow");
    out << "  <line class=\"pipe link\" x1=\"40\" y1=\"60\" x2=\"80\" y2=\"60\"/>\n"
        << label("", 86, 64, "pipe of a loop (no direction)");
    out << "  <circle class=\"node\" cx=\"300\" cy=\"40\" r=\"5\"/>\n"
        << label("", 312, 44, "well");
    out << "  <rect class=\"node\" x=\"295\" y=\"55\" width=\"10\" height=\"10\"/>\n"
        << label("", 312, 64, "pool");
    out << "  <circle class=\"node root\" cx=\"400\" cy=\"40\" r=\"5\"/>\n"
        << label("", 412, 44, "root");
    out << label("dn", 400, 64, "DN: diameter (mm)");
    out << "  </g>\n";
}

} // namespace

void writeSvg(std::ostream& out, const GraphView& view) {
    Frame f = fit(view);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << n(kWidth) << "\" height=\""
        << n(f.height) << "\" viewBox=\"0 0 " << n(kWidth) << " " << n(f.height) << "\">\n";
    out << "  <defs><marker id=\"flow\" viewBox=\"0 0 10 10\" refX=\"10\" refY=\"5\" "
           "markerWidth=\"8\" markerHeight=\"8\" orient=\"auto\"><path d=\"M0,0 L10,5 L0,10 "
           "z\" fill=\"#1f5fbf\"/></marker></defs>\n";
    out << "  <style>.pipe{stroke:#1f5fbf;stroke-width:2}.link{stroke-dasharray:6 3}"
           ".node{fill:#fff;stroke:#333;stroke-width:1.5}.root{stroke:#c00;stroke-width:3}"
           "text{font:11px sans-serif}.dn{fill:#1f5fbf}</style>\n";
    writeLegend(out, view);
    out << svgScaleBar(f.scale, kMargin, f.height - 12);
    for (const EdgeView& e : view.edges)
        writeEdge(out, view, e, f);
    for (const NodeView& node : view.nodes)
        writeNode(out, node, !view.root.empty() && node.handle == view.root, f);
    out << "</svg>\n";
}

} // namespace hxwt
