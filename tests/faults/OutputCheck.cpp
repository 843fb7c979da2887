// Checks a written file: identical to the reference, or read and audited by
// ezdxf (drawings) or parsed as an SVG document (maps and networks).
#include "OutputCheck.h"

#include "FaultRun.h"

#include <pugixml.hpp>

#include <cstdio>
#include <cstring>
#include <map>

namespace {

// ezdxf's verdict on a drawing, remembered by content: a sweep writes the
// same few files again and again.
std::string ezdxfProblem(const std::string& path, const std::string& text) {
    static std::map<std::string, std::string> s_verdicts;
    const auto known = s_verdicts.find(text);
    if (known != s_verdicts.end())
        return known->second;
    const std::string command = "/usr/bin/python3 '" HXFAULT_EZDXF_CHECK "' '" + path + "' 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr)
        return "ezdxf check did not start";
    std::string said;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
        said += buffer;
    const std::string verdict = ::pclose(pipe) == 0 ? std::string() : "ezdxf: " + said;
    s_verdicts[text] = verdict;
    return verdict;
}

std::string svgProblem(const std::string& path) {
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed = doc.load_file(path.c_str());
    if (!parsed)
        return std::string("not XML: ") + parsed.description();
    return std::strcmp(doc.document_element().name(), "svg") == 0 ? "" : "no svg element";
}

} // namespace

std::string outputProblem(const std::string& path, OutputKind kind, const std::string& reference) {
    const std::string text = slurpFile(path);
    if (!reference.empty() && text == reference)
        return "";
    if (text.empty())
        return "empty file";
    switch (kind) {
    case OutputKind::Dxf:
        return ezdxfProblem(path, text);
    case OutputKind::Svg:
        return svgProblem(path);
    case OutputKind::None:
        break;
    }
    return "";
}
