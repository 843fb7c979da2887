// The table and JSON forms of a GraphView.
#include "GraphPrint.h"

#include "BufferedOut.h"
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

template <class T, class Write>
void jsonArray(BufferedOut& out, const std::vector<T>& list, Write write) {
    out << '[';
    for (size_t i = 0; i < list.size(); ++i) {
        if (i)
            out << ", ";
        write(list[i]);
    }
    out << ']';
}

void jsonInts(BufferedOut& out, const std::vector<int>& list) {
    jsonArray(out, list, [&](int i) { out << i; });
}

void jsonStrings(BufferedOut& out, const std::vector<std::string>& list) {
    jsonArray(out, list, [&](const std::string& s) { out << jsonString(s); });
}

void jsonNode(BufferedOut& o, const NodeView& n) {
    o << "{\"index\": " << n.index << ", \"handle\": " << jsonString(n.handle)
      << ", \"kind\": " << jsonString(n.kind) << ", \"name\": " << jsonString(n.name)
      << ", \"location\": [";
    o.fixed(n.x, 3) << ", ";
    o.fixed(n.y, 3) << ", ";
    o.fixed(n.z, 3) << "], \"inEdges\": ";
    jsonInts(o, n.in);
    o << ", \"outEdges\": ";
    jsonInts(o, n.out);
    o << ", \"linkEdges\": ";
    jsonInts(o, n.links);
    o << ", \"gulleyPipes\": ";
    jsonStrings(o, n.gulleys);
    o << '}';
}

void jsonEdge(BufferedOut& o, const EdgeView& e) {
    o << "{\"index\": " << e.index << ", \"handle\": " << jsonString(e.handle)
      << ", \"startNode\": " << e.startNode << ", \"endNode\": " << e.endNode
      << ", \"linkNodes\": ";
    jsonInts(o, e.joins);
    o << ", \"diameter\": " << e.diameter << ", \"length\": ";
    o.fixed(e.length, 3) << ", \"length2d\": ";
    o.fixed(e.length2d, 3) << ", \"upriverHeight\": ";
    o.fixed(e.upriver, 3) << ", \"downriverHeight\": ";
    o.fixed(e.downriver, 3) << ", \"slope\": ";
    o.fixed(e.slope, 4) << '}';
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

void printTable(std::ostream& out, const GraphView& view) {
    out << view.type << " network, root " << (view.root.empty() ? "-" : view.root) << ", "
        << view.nodes.size() << " nodes, " << view.edges.size() << " edges\n";
    printNodes(out, view);
    printEdges(out, view);
    if (view.isPath)
        printPath(out, view);
}

void printJson(std::ostream& stream, const GraphView& view) {
    BufferedOut out(stream);
    out << "{\n  \"status\": " << view.status << ",\n  \"message\": " << jsonString(view.message)
        << ",\n  \"diagnosis\": " << jsonString(view.diagnosis)
        << ",\n  \"units\": {\"position\": \"m\", \"height\": \"m\", \"length\": \"m\", "
           "\"diameter\": \"mm\", \"slope\": \"m/m\"}"
        << ",\n  \"type\": " << jsonString(view.type) << ",\n  \"root\": " << jsonString(view.root)
        << ",\n  \"nodes\": [";
    for (size_t i = 0; i < view.nodes.size(); ++i) {
        out << (i ? ",\n    " : "\n    ");
        jsonNode(out, view.nodes[i]);
    }
    out << (view.nodes.empty() ? "" : "\n  ") << "],\n  \"edges\": [";
    for (size_t i = 0; i < view.edges.size(); ++i) {
        out << (i ? ",\n    " : "\n    ");
        jsonEdge(out, view.edges[i]);
    }
    out << (view.edges.empty() ? "" : "\n  ") << "]";
    if (view.isPath) {
        out << ",\n  \"path\": {\"nodes\": ";
        jsonInts(out, view.pathNodes);
        out << ", \"edges\": ";
        jsonInts(out, view.pathEdges);
        out << "}";
    }
    out << "\n}\n";
}

} // namespace hxwt
