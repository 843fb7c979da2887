// Reading EPANET and SWMM input files: sections, records, units and checks.
#include "InpReader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

namespace hxwt {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Record {
    int line = 0;
    std::vector<std::string> fields;
};

struct Section {
    std::string name; // upper case, without brackets
    int line = 0;
    std::vector<Record> records;
    std::string firstText; // the first line with text (the title)
};

// Sections of each format; what the tool reads is handled by name below.
const std::set<std::string> kEpanetOnly = {
    "RESERVOIRS", "TANKS",  "PIPES",  "VALVES", "DEMANDS", "EMITTERS", "QUALITY", "SOURCES",
    "REACTIONS",  "MIXING", "ENERGY", "STATUS", "LEAKAGE", "END",      "RULES",   "TIMES"};
const std::set<std::string> kSwmmOnly = {
    "OUTFALLS",    "STORAGE",      "DIVIDERS",    "CONDUITS",      "ORIFICES",  "WEIRS",
    "OUTLETS",     "XSECTIONS",    "RAINGAGES",   "SUBCATCHMENTS", "SUBAREAS",  "INFILTRATION",
    "EVAPORATION", "TRANSECTS",    "LOSSES",      "INFLOWS",       "DWF",       "RDII",
    "HYDROGRAPHS", "TIMESERIES",   "MAP",         "POLYGONS",      "SYMBOLS",   "POLLUTANTS",
    "LANDUSES",    "COVERAGES",    "LOADINGS",    "BUILDUP",       "WASHOFF",   "TREATMENT",
    "FILES",       "AQUIFERS",     "GROUNDWATER", "GWF",           "SNOWPACKS", "TEMPERATURE",
    "ADJUSTMENTS", "LID_CONTROLS", "LID_USAGE",   "STREETS",       "INLETS",    "INLET_USAGE",
    "EVENTS",      "PROFILES"};
const std::set<std::string> kShared = {
    "TITLE",   "JUNCTIONS",   "PUMPS",    "PATTERNS", "CURVES", "CONTROLS", "REPORT",
    "OPTIONS", "COORDINATES", "VERTICES", "LABELS",   "TAGS",   "BACKDROP"};
// Sections whose records the reader turns into the model.
const std::set<std::string> kRead = {
    "TITLE",    "OPTIONS", "JUNCTIONS", "RESERVOIRS", "TANKS",       "PIPES",
    "PUMPS",    "VALVES",  "OUTFALLS",  "STORAGE",    "DIVIDERS",    "CONDUITS",
    "ORIFICES", "WEIRS",   "OUTLETS",   "XSECTIONS",  "COORDINATES", "END"};

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

// Builds a model from the sections, collecting messages.
class Parser {
public:
    explicit Parser(InpRead& out) : m_out(out), m_model(out.model) {}

    void run(const std::string& text) {
        split(text);
        if (!chooseFormat())
            return;
        readOptions();
        // Nodes and links first, so that places and cross-sections find
        // them wherever their sections stand.
        for (const Section& s : m_sections)
            if (s.name != "COORDINATES" && s.name != "XSECTIONS")
                readSection(s);
        for (const Section& s : m_sections)
            if (s.name == "COORDINATES" || s.name == "XSECTIONS")
                readSection(s);
        check();
        std::stable_sort(m_out.messages.begin(), m_out.messages.end(),
                         [](const InpMessage& a, const InpMessage& b) { return a.line < b.line; });
    }

private:
    void error(int line, const std::string& text) { m_out.messages.push_back({line, text, true}); }
    void note(int line, const std::string& text) { m_out.messages.push_back({line, text, false}); }

    void split(const std::string& text) {
        std::istringstream in(text);
        std::string raw;
        int line = 0;
        while (std::getline(in, raw)) {
            ++line;
            const std::string content = trim(raw.substr(0, raw.find(';')));
            if (content.empty())
                continue;
            if (content[0] == '[') {
                const auto close = content.find(']');
                m_sections.push_back(
                    {upper(content.substr(1, close == std::string::npos ? std::string::npos
                                                                        : close - 1)),
                     line,
                     {},
                     {}});
                if (close == std::string::npos)
                    error(line, "section name without ']'");
                continue;
            }
            if (m_sections.empty()) {
                error(line, "text before the first section");
                continue;
            }
            Record r{line, {}};
            std::istringstream fields(content);
            for (std::string f; fields >> f;)
                r.fields.push_back(f);
            // A line of other white space (form feeds, vertical tabs) is
            // blank too: every record has at least one field.
            if (r.fields.empty())
                continue;
            Section& s = m_sections.back();
            if (s.firstText.empty())
                s.firstText = content;
            s.records.push_back(std::move(r));
        }
    }

    bool chooseFormat() {
        int epanet = 0, swmm = 0;
        for (const Section& s : m_sections) {
            epanet += kEpanetOnly.count(s.name) != 0 && s.name != "END";
            swmm += kSwmmOnly.count(s.name) != 0;
        }
        if (epanet == 0 && swmm == 0) {
            error(0, "neither an EPANET nor a SWMM input file: no section of their networks");
            return false;
        }
        if (epanet > 0 && swmm > 0) {
            error(0, "sections of both EPANET and SWMM: not one model's input file");
            return false;
        }
        m_model.format = swmm > 0 ? InpFormat::Swmm : InpFormat::Epanet;
        return true;
    }

    void readOptions() {
        const bool swmm = m_model.format == InpFormat::Swmm;
        m_model.flowUnits = swmm ? "CFS" : "GPM";
        m_model.headloss = swmm ? "" : "H-W";
        for (const Section& s : m_sections) {
            if (s.name != "OPTIONS")
                continue;
            for (const Record& r : s.records) {
                const std::string key = upper(r.fields[0]);
                const std::string value = r.fields.size() > 1 ? upper(r.fields[1]) : "";
                if (key == (swmm ? "FLOW_UNITS" : "UNITS"))
                    m_model.flowUnits = value;
                else if (!swmm && key == "HEADLOSS")
                    m_model.headloss = value;
                else if (swmm && key == "LINK_OFFSETS")
                    m_offsetsAreElevations = value == "ELEVATION";
            }
        }
        static const std::set<std::string> us = {"CFS", "GPM", "MGD", "IMGD", "AFD"};
        static const std::set<std::string> si = {"LPS", "LPM", "MLD", "CMH", "CMD", "CMS"};
        const bool isUs = us.count(m_model.flowUnits) != 0;
        if (!isUs && si.count(m_model.flowUnits) == 0)
            error(unitsLine(), "unknown flow units " + m_model.flowUnits);
        m_length = isUs ? 0.3048 : 1.0;
        m_diameter = swmm ? m_length : (isUs ? 0.0254 : 0.001);
        if (isUs)
            note(unitsLine(), "flow units " + m_model.flowUnits +
                                  ": elevations, lengths and sizes converted from feet and "
                                  "inches to metres (coordinates as given)");
    }

    int unitsLine() const {
        for (const Section& s : m_sections)
            if (s.name == "OPTIONS")
                return s.line;
        return 0;
    }

    void readSection(const Section& s) {
        const bool swmm = m_model.format == InpFormat::Swmm;
        const bool known = kShared.count(s.name) || (swmm ? kSwmmOnly : kEpanetOnly).count(s.name);
        if (!known) {
            note(s.line, "unknown section [" + s.name + "]: its " +
                             std::to_string(s.records.size()) + " lines are not read");
            return;
        }
        if (s.name == "TITLE") {
            if (m_model.title.empty())
                m_model.title = s.firstText;
            return;
        }
        if (kRead.count(s.name) == 0 || (!swmm && s.name == "STORAGE")) {
            if (!s.records.empty())
                note(s.line, "[" + s.name + "] (" + std::to_string(s.records.size()) +
                                 " lines) is not carried into the drawing");
            return;
        }
        for (const Record& r : s.records)
            readRecord(s.name, r);
    }

    // The field as a number, or an error naming it.
    bool number(const Record& r, size_t i, const char* what, double& value) {
        if (parseStrictNumber(r.fields[i], value))
            return true;
        error(r.line, std::string(what) + ": '" + r.fields[i] + "' is not a number");
        return false;
    }

    bool enough(const std::string& section, const Record& r, size_t n, const char* layout) {
        if (r.fields.size() >= n)
            return true;
        error(r.line, "[" + section + "] wants " + layout + ", found " +
                          std::to_string(r.fields.size()) + " fields");
        return false;
    }

    void readRecord(const std::string& name, const Record& r) {
        if (name == "COORDINATES")
            readPlace(r);
        else if (m_model.format == InpFormat::Epanet)
            readEpanet(name, r);
        else
            readSwmm(name, r);
    }

    void readEpanet(const std::string& name, const Record& r) {
        double v[6] = {};
        if (name == "JUNCTIONS") {
            if (!enough(name, r, 2, "ID ELEVATION [DEMAND]") || !number(r, 1, "elevation", v[0]))
                return;
            if (r.fields.size() > 2 && !number(r, 2, "demand", v[1]))
                return;
            if (addNode(r, NodeKind::Junction, v[0] * m_length, 0.0, 0.0))
                m_model.nodes.back().demand = v[1];
        } else if (name == "RESERVOIRS") {
            if (enough(name, r, 2, "ID HEAD") && number(r, 1, "head", v[0]))
                addNode(r, NodeKind::Reservoir, v[0] * m_length, 0.0, 0.0);
        } else if (name == "TANKS") {
            if (!enough(name, r, 6, "ID ELEVATION INITLEVEL MINLEVEL MAXLEVEL DIAMETER"))
                return;
            const char* what[] = {"elevation", "initial level", "minimum level", "maximum level",
                                  "diameter"};
            for (size_t i = 0; i < 5; ++i)
                if (!number(r, i + 1, what[i], v[i]))
                    return;
            const double d = v[4] * m_length;
            addNode(r, NodeKind::Tank, v[0] * m_length, v[3] * m_length, kPi * d * d / 4.0);
        } else if (name == "PIPES") {
            if (!enough(name, r, 6, "ID NODE1 NODE2 LENGTH DIAMETER ROUGHNESS") ||
                !number(r, 3, "length", v[0]) || !number(r, 4, "diameter", v[1]) ||
                !number(r, 5, "roughness", v[2]))
                return;
            addLink(r, LinkKind::Pipe, v[0] * m_length, v[1] * m_diameter, v[2]);
        } else if (name == "PUMPS") {
            if (enough(name, r, 3, "ID NODE1 NODE2"))
                addLink(r, LinkKind::Pump, 0.0, 0.0, 0.0);
        } else if (name == "VALVES") {
            if (enough(name, r, 6, "ID NODE1 NODE2 DIAMETER TYPE SETTING") &&
                number(r, 3, "diameter", v[0]))
                addLink(r, LinkKind::Valve, 0.0, v[0] * m_diameter, 0.0);
        }
    }

    void readSwmm(const std::string& name, const Record& r) {
        double v[4] = {};
        if (name == "JUNCTIONS") {
            if (!enough(name, r, 2, "NAME ELEVATION [MAXDEPTH]") ||
                !number(r, 1, "elevation", v[0]) ||
                (r.fields.size() > 2 && !number(r, 2, "maximum depth", v[1])))
                return;
            addNode(r, NodeKind::Junction, v[0] * m_length, v[1] * m_length, 0.0);
        } else if (name == "OUTFALLS") {
            if (enough(name, r, 3, "NAME ELEVATION TYPE") && number(r, 1, "elevation", v[0]))
                addNode(r, NodeKind::Outfall, v[0] * m_length, 0.0, 0.0);
        } else if (name == "DIVIDERS") {
            if (enough(name, r, 4, "NAME ELEVATION LINK TYPE") && number(r, 1, "elevation", v[0]))
                addNode(r, NodeKind::Divider, v[0] * m_length, 0.0, 0.0);
        } else if (name == "STORAGE") {
            if (!enough(name, r, 5, "NAME ELEVATION MAXDEPTH INITDEPTH SHAPE") ||
                !number(r, 1, "elevation", v[0]) || !number(r, 2, "maximum depth", v[1]))
                return;
            addNode(r, NodeKind::Storage, v[0] * m_length, v[1] * m_length, storageArea(r));
        } else if (name == "CONDUITS") {
            if (!enough(name, r, 7, "NAME FROM TO LENGTH ROUGHNESS INOFFSET OUTOFFSET") ||
                !number(r, 3, "length", v[0]) || !number(r, 4, "roughness", v[1]) ||
                !offset(r, 5, v[2]) || !offset(r, 6, v[3]))
                return;
            addLink(r, LinkKind::Conduit, v[0] * m_length, 0.0, v[1]);
            m_model.links.back().inOffset = v[2] * m_length;
            m_model.links.back().outOffset = v[3] * m_length;
        } else if (name == "PUMPS") {
            if (enough(name, r, 4, "NAME FROM TO CURVE"))
                addLink(r, LinkKind::Pump, 0.0, 0.0, 0.0);
        } else if (name == "ORIFICES" || name == "WEIRS" || name == "OUTLETS") {
            const bool outlet = name == "OUTLETS";
            const size_t at = outlet ? 3 : 4;
            if (!enough(name, r, at + 1,
                        outlet ? "NAME FROM TO OFFSET" : "NAME FROM TO TYPE OFFSET") ||
                !offset(r, at, v[0]))
                return;
            const LinkKind kind = name == "ORIFICES" ? LinkKind::Orifice
                                  : outlet           ? LinkKind::Outlet
                                                     : LinkKind::Weir;
            addLink(r, kind, 0.0, 0.0, 0.0);
            m_model.links.back().inOffset = v[0] * m_length;
        } else if (name == "XSECTIONS") {
            readCrossSection(r);
        }
    }

    // A SWMM offset: a number, or '*' (at the node's invert).
    bool offset(const Record& r, size_t i, double& value) {
        value = 0.0;
        if (r.fields[i] == "*") {
            m_starOffsets.insert(r.line * 2 + (i > 5 ? 1 : 0));
            return true;
        }
        return number(r, i, "offset", value);
    }

    // FUNCTIONAL storage of area A*d^B + C: its area at depth 0 when B is 0
    // (constant), else unknown.
    double storageArea(const Record& r) {
        if (upper(r.fields[4]) != "FUNCTIONAL" || r.fields.size() < 8)
            return 0.0;
        double a = 0, b = 0, c = 0;
        if (!parseStrictNumber(r.fields[5], a) || !parseStrictNumber(r.fields[6], b) ||
            !parseStrictNumber(r.fields[7], c) || b != 0.0)
            return 0.0;
        return (a + c) * m_length * m_length;
    }

    void readCrossSection(const Record& r) {
        if (!enough("XSECTIONS", r, 3, "LINK SHAPE GEOM1"))
            return;
        auto it = m_linkIndex.find(r.fields[0]);
        if (it == m_linkIndex.end()) {
            note(r.line, "cross-section of unknown link " + r.fields[0] + ": not read");
            return;
        }
        InpLink& link = m_model.links[it->second];
        link.shape = upper(r.fields[1]);
        double height = 0.0;
        if (link.shape == "IRREGULAR" || link.shape == "STREET") {
            note(r.line, linkText(link) + " has a " + link.shape +
                             " section: drawn as a pipe of diameter 0");
        } else if (number(r, 2, "section height", height)) {
            link.diameter = height * m_length;
            if (link.shape != "CIRCULAR" && link.shape != "FORCE_MAIN")
                note(r.line, linkText(link) + " has a " + link.shape +
                                 " section: drawn as a pipe of diameter its height " + r.fields[2]);
        }
        m_hasSection.insert(it->second);
    }

    void readPlace(const Record& r) {
        double x = 0, y = 0;
        if (!enough("COORDINATES", r, 3, "NODE X Y") || !number(r, 1, "x", x) ||
            !number(r, 2, "y", y))
            return;
        auto it = m_nodeIndex.find(r.fields[0]);
        if (it == m_nodeIndex.end()) {
            note(r.line, "coordinates of unknown node " + r.fields[0] + ": not read");
            return;
        }
        InpNode& node = m_model.nodes[it->second];
        if (node.hasPlace) {
            error(r.line, "coordinates of node " + node.id + " given again (first at line " +
                              std::to_string(m_placeLine[it->second]) + ")");
            return;
        }
        node.hasPlace = true;
        node.x = x;
        node.y = y;
        m_placeLine[it->second] = r.line;
    }

    bool addNode(const Record& r, NodeKind kind, double elevation, double depth, double area) {
        auto seen = m_nodeIndex.find(r.fields[0]);
        if (seen != m_nodeIndex.end()) {
            error(r.line, "node " + r.fields[0] + " is defined again (first at line " +
                              std::to_string(m_model.nodes[seen->second].line) + ")");
            return false;
        }
        InpNode n;
        n.id = r.fields[0];
        n.kind = kind;
        n.elevation = elevation;
        n.depth = depth;
        n.area = area;
        n.line = r.line;
        m_nodeIndex[n.id] = m_model.nodes.size();
        m_model.nodes.push_back(n);
        return true;
    }

    void addLink(const Record& r, LinkKind kind, double length, double diameter, double rough) {
        auto seen = m_linkIndex.find(r.fields[0]);
        if (seen != m_linkIndex.end()) {
            error(r.line, "link " + r.fields[0] + " is defined again (first at line " +
                              std::to_string(m_model.links[seen->second].line) + ")");
            return;
        }
        InpLink l;
        l.id = r.fields[0];
        l.kind = kind;
        l.from = r.fields[1];
        l.to = r.fields[2];
        l.length = length;
        l.diameter = diameter;
        l.roughness = rough;
        l.line = r.line;
        m_linkIndex[l.id] = m_model.links.size();
        m_model.links.push_back(l);
    }

    static std::string linkText(const InpLink& l) {
        std::string kind = linkKindName(l.kind);
        std::transform(kind.begin(), kind.end(), kind.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return kind + " " + l.id;
    }

    // The checks that need the whole file: ends, places, sections, offsets.
    void check() {
        for (const InpNode& n : m_model.nodes)
            if (!n.hasPlace)
                error(n.line, "node " + n.id + " has no coordinates");
        std::map<LinkKind, int> changed;
        for (size_t i = 0; i < m_model.links.size(); ++i) {
            InpLink& l = m_model.links[i];
            for (const std::string* end : {&l.from, &l.to})
                if (m_nodeIndex.count(*end) == 0)
                    error(l.line, linkText(l) + ": unknown node " + *end);
            if (l.from == l.to)
                error(l.line, linkText(l) + " starts and ends at node " + l.from);
            if (m_model.format == InpFormat::Swmm && m_hasSection.count(i) == 0)
                note(l.line, linkText(l) + " has no cross-section: drawn with diameter 0");
            if (l.kind != LinkKind::Pipe && l.kind != LinkKind::Conduit)
                ++changed[l.kind];
            if (m_offsetsAreElevations)
                makeOffsetsRelative(l);
        }
        noteParallelLinks();
        borrowDiameters();
        noteValuesLeftOut();
        for (const auto& [kind, count] : changed)
            note(0, std::to_string(count) + " " + linkKindName(kind) +
                        " link(s) drawn as pipes (their kind kept in the pipe's field Kind)");
    }

    // Links that join the same two nodes become pipes drawn on each other.
    void noteParallelLinks() {
        std::map<std::pair<std::string, std::string>, const InpLink*> first;
        for (const InpLink& l : m_model.links) {
            auto key = std::minmax(l.from, l.to);
            auto [it, isNew] = first.emplace(std::make_pair(key.first, key.second), &l);
            if (!isNew)
                note(l.line, linkText(l) + " joins the same nodes as " + linkText(*it->second) +
                                 " (line " + std::to_string(it->second->line) +
                                 "): drawn on it, a network the graph cannot orient");
        }
    }

    // A link without a size (a pump, a section-less link) is drawn with the
    // largest diameter of the links that meet its nodes.
    void borrowDiameters() {
        std::map<std::string, double> largest;
        for (const InpLink& l : m_model.links)
            for (const std::string* end : {&l.from, &l.to})
                largest[*end] = std::max(largest[*end], l.diameter);
        for (InpLink& l : m_model.links) {
            if (l.diameter > 0.0)
                continue;
            l.diameter = std::max(largest[l.from], largest[l.to]);
            if (l.diameter > 0.0)
                note(l.line, linkText(l) + " has no diameter: drawn with " +
                                 std::to_string(static_cast<int>(l.diameter * 1000.0 + 0.5)) +
                                 " mm, the largest at its nodes");
        }
    }

    // What the drawing has no place for, once per kind of value.
    void noteValuesLeftOut() {
        if (!m_model.links.empty())
            note(m_model.links.front().line,
                 "link lengths and roughness are not carried: pipes are drawn straight between "
                 "their nodes' places");
        for (const InpNode& n : m_model.nodes) {
            if (n.demand != 0.0) {
                note(n.line, "junction demands are not carried into the drawing");
                break;
            }
        }
    }

    // LINK_OFFSETS ELEVATION: offsets are elevations ('*': at the invert).
    void makeOffsetsRelative(InpLink& l) {
        auto from = m_nodeIndex.find(l.from), to = m_nodeIndex.find(l.to);
        if (from == m_nodeIndex.end() || to == m_nodeIndex.end())
            return;
        const double inInvert = m_model.nodes[from->second].elevation;
        const double outInvert = m_model.nodes[to->second].elevation;
        l.inOffset = m_starOffsets.count(l.line * 2) ? 0.0 : l.inOffset - inInvert;
        if (l.kind == LinkKind::Conduit)
            l.outOffset = m_starOffsets.count(l.line * 2 + 1) ? 0.0 : l.outOffset - outInvert;
    }

    InpRead& m_out;
    InpModel& m_model;
    std::vector<Section> m_sections;
    std::map<std::string, size_t> m_nodeIndex, m_linkIndex;
    std::map<size_t, int> m_placeLine;
    std::set<size_t> m_hasSection;
    std::set<int> m_starOffsets; // line*2 (+1 for the outlet end)
    bool m_offsetsAreElevations = false;
    double m_length = 1.0;   // file lengths and elevations to metres
    double m_diameter = 1.0; // file diameters to metres
};

} // namespace

bool InpRead::failed() const {
    return std::any_of(messages.begin(), messages.end(),
                       [](const InpMessage& m) { return m.error; });
}

bool parseStrictNumber(const std::string& text, double& value) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])))
        return false;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

InpRead parseInp(const std::string& text) {
    InpRead read;
    Parser(read).run(text);
    return read;
}

bool readInpFile(const std::string& path, InpRead& read, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = path + ": cannot read the file";
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        *error = path + ": cannot read the file";
        return false;
    }
    read = parseInp(text.str());
    return true;
}

std::string messageText(const std::string& file, const InpMessage& message) {
    if (message.line <= 0)
        return file + ": " + message.text;
    return file + ":" + std::to_string(message.line) + ": " + message.text;
}

} // namespace hxwt
