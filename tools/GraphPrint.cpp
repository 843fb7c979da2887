// The table and JSON forms of a GraphView.
#include "GraphPrint.h"

#include <cstdio>
#include <sstream>

#include "TextTable.h"
#include "ToolText.h"

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
      << ", \"linkNodes\": " << jsonInts(e.joins) << ", \"diameter\": " << e.diameter
      << ", \"length\": " << formatNumber(e.length)
      << ", \"length2d\": " << formatNumber(e.length2d)
      << ", \"upriverHeight\": " << formatNumber(e.upriver)
      << ", \"downriverHeight\": " << formatNumber(e.downriver)
      << ", \"slope\": " << formatSlope(e.slope) << "}";
    return o.str();
}

void printNodes(std::ostream& out, const GraphView& view) {
    out << "nodes\n";
    TextTable table;
    table.addColumn("#", TextTable::kRight);
    table.addColumn("handle");
    table.addColumn("kind");
    table.addColumn("name");
    for (const char* h : {"x (m)", "y (m)", "z (m)"})
        table.addColumn(h, TextTable::kRight);
    for (const char* h : {"in", "out", "links", "gulley pipes"})
        table.addColumn(h);
    for (const NodeView& n : view.nodes)
        table.addRow({std::to_string(n.index), n.handle, n.kind, n.name.empty() ? "-" : n.name,
                      formatNumber(n.x), formatNumber(n.y), formatNumber(n.z), indexList(n.in),
                      indexList(n.out), indexList(n.links), textList(n.gulleys)});
    table.print(out, "  ");
}

// "1 W1 -> 0 O" along the flow; "2 J2 -- 3 J3" for an undirected link.
std::string flowText(const GraphView& view, const EdgeView& e) {
    auto node = [&](int i) { return indexText(i) + " " + nodeLabel(view, i); };
    if (e.startNode < 0 && e.endNode < 0 && e.joins.size() == 2)
        return node(e.joins[0]) + " -- " + node(e.joins[1]);
    return node(e.startNode) + " -> " + node(e.endNode);
}

void printEdges(std::ostream& out, const GraphView& view) {
    out << "edges\n";
    TextTable table;
    table.addColumn("#", TextTable::kRight);
    table.addColumn("handle");
    table.addColumn("flow");
    for (const char* h : {"DN (mm)", "length (m)", "plan length (m)", "upriver (m)",
                          "downriver (m)", "slope (m/m)"})
        table.addColumn(h, TextTable::kRight);
    for (const EdgeView& e : view.edges)
        table.addRow({std::to_string(e.index), e.handle, flowText(view, e),
                      std::to_string(e.diameter), formatNumber(e.length), formatNumber(e.length2d),
                      formatNumber(e.upriver), formatNumber(e.downriver), formatSlope(e.slope)});
    table.print(out, "  ");
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
    return formatFixed(value, 3);
}

std::string formatSlope(double value) {
    return formatFixed(value, 4);
}

std::string formatFixed(double value, int decimals) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
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
        << ",\n  \"diagnosis\": " << jsonString(view.diagnosis)
        << ",\n  \"units\": {\"position\": \"m\", \"height\": \"m\", \"length\": \"m\", "
           "\"diameter\": \"mm\", \"slope\": \"m/m\"}"
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
