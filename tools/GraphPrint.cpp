// The table and JSON forms of a GraphView.
#include "GraphPrint.h"

#include <cstdio>
#include <iomanip>
#include <sstream>

namespace hxwt {
namespace {

std::string indexList(const std::vector<int>& list) {
    if (list.empty())
        return "-";
    std::string out;
    for (int i : list)
        out += (out.empty() ? "" : " ") + std::to_string(i);
    return out;
}

std::string textList(const std::vector<std::string>& list) {
    std::string out;
    for (const std::string& s : list)
        out += (out.empty() ? "" : " ") + s;
    return out.empty() ? "-" : out;
}

std::string indexText(int index) {
    return index < 0 ? "-" : std::to_string(index);
}

std::string jsonString(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

template <class T, class Write> std::string jsonArray(const std::vector<T>& list, Write write) {
    std::string out = "[";
    for (size_t i = 0; i < list.size(); ++i)
        out += (i ? ", " : "") + write(list[i]);
    return out + "]";
}

std::string jsonInts(const std::vector<int>& list) {
    return jsonArray(list, [](int i) { return std::to_string(i); });
}

std::string jsonNode(const NodeView& n) {
    std::ostringstream o;
    o << "{\"index\": " << n.index << ", \"handle\": " << jsonString(n.handle)
      << ", \"kind\": " << jsonString(n.kind) << ", \"name\": " << jsonString(n.name)
      << ", \"location\": [" << formatNumber(n.x) << ", " << formatNumber(n.y) << ", "
      << formatNumber(n.z) << "], \"inEdges\": " << jsonInts(n.in)
      << ", \"outEdges\": " << jsonInts(n.out) << ", \"linkEdges\": " << jsonInts(n.links)
      << ", \"gulleyPipes\": " << jsonArray(n.gulleys, jsonString) << "}";
    return o.str();
}

std::string jsonEdge(const EdgeView& e) {
    std::ostringstream o;
    o << "{\"index\": " << e.index << ", \"handle\": " << jsonString(e.handle)
      << ", \"startNode\": " << e.startNode << ", \"endNode\": " << e.endNode
      << ", \"diameter\": " << e.diameter << ", \"length\": " << formatNumber(e.length)
      << ", \"length2d\": " << formatNumber(e.length2d)
      << ", \"upriverHeight\": " << formatNumber(e.upriver)
      << ", \"downriverHeight\": " << formatNumber(e.downriver) << "}";
    return o.str();
}

void printNodes(std::ostream& out, const GraphView& view) {
    out << "nodes\n";
    out << std::left << std::setw(4) << "#" << std::setw(8) << "handle" << std::setw(6) << "kind"
        << std::setw(10) << "name" << std::setw(26) << "location" << std::setw(10) << "in"
        << std::setw(10) << "out" << std::setw(10) << "links"
        << "gulley pipes\n";
    for (const NodeView& n : view.nodes) {
        std::string at = formatNumber(n.x) + "," + formatNumber(n.y) + "," + formatNumber(n.z);
        out << std::setw(4) << n.index << std::setw(8) << n.handle << std::setw(6) << n.kind
            << std::setw(10) << (n.name.empty() ? "-" : n.name) << std::setw(26) << at
            << std::setw(10) << indexList(n.in) << std::setw(10) << indexList(n.out)
            << std::setw(10) << indexList(n.links) << textList(n.gulleys) << "\n";
    }
}

void printEdges(std::ostream& out, const GraphView& view) {
    out << "edges\n";
    out << std::left << std::setw(4) << "#" << std::setw(8) << "handle" << std::setw(22) << "flow"
        << std::setw(10) << "diameter" << std::setw(10) << "length" << std::setw(10) << "length2d"
        << std::setw(10) << "upriver"
        << "downriver\n";
    for (const EdgeView& e : view.edges) {
        std::string flow = indexText(e.startNode) + " " + nodeLabel(view, e.startNode) + " -> " +
                           indexText(e.endNode) + " " + nodeLabel(view, e.endNode);
        out << std::setw(4) << e.index << std::setw(8) << e.handle << std::setw(22) << flow
            << std::setw(10) << e.diameter << std::setw(10) << formatNumber(e.length)
            << std::setw(10) << formatNumber(e.length2d) << std::setw(10) << formatNumber(e.upriver)
            << formatNumber(e.downriver) << "\n";
    }
}

void printPath(std::ostream& out, const GraphView& view) {
    out << "path";
    for (size_t i = 0; i < view.pathNodes.size(); ++i)
        out << (i ? " -> " : ": ") << nodeLabel(view, view.pathNodes[i]);
    out << "\npath edges:";
    for (int e : view.pathEdges) {
        bool known = e >= 0 && e < static_cast<int>(view.edges.size());
        out << " " << (known ? view.edges[static_cast<size_t>(e)].handle : "-");
    }
    out << "\n";
}

} // namespace

std::string formatNumber(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3f", value);
    std::string text(buf);
    while (!text.empty() && text.back() == '0')
        text.pop_back();
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

void printTable(std::ostream& out, const GraphView& view) {
    out << view.type << " network, root " << (view.root.empty() ? "-" : view.root) << ", "
        << view.nodes.size() << " nodes, " << view.edges.size() << " edges\n";
    printNodes(out, view);
    printEdges(out, view);
    if (view.isPath)
        printPath(out, view);
}

void printJson(std::ostream& out, const GraphView& view) {
    out << "{\n  \"status\": " << view.status << ",\n  \"message\": " << jsonString(view.message)
        << ",\n  \"type\": " << jsonString(view.type) << ",\n  \"root\": " << jsonString(view.root)
        << ",\n  \"nodes\": [";
    for (size_t i = 0; i < view.nodes.size(); ++i)
        out << (i ? ",\n    " : "\n    ") << jsonNode(view.nodes[i]);
    out << (view.nodes.empty() ? "" : "\n  ") << "],\n  \"edges\": [";
    for (size_t i = 0; i < view.edges.size(); ++i)
        out << (i ? ",\n    " : "\n    ") << jsonEdge(view.edges[i]);
    out << (view.edges.empty() ? "" : "\n  ") << "]";
    if (view.isPath)
        out << ",\n  \"path\": {\"nodes\": " << jsonInts(view.pathNodes)
            << ", \"edges\": " << jsonInts(view.pathEdges) << "}";
    out << "\n}\n";
}

} // namespace hxwt
