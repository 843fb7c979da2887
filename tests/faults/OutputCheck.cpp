// Checks a written file: identical to the reference, or read and audited by
// ezdxf (drawings), parsed as an SVG document (maps and networks) or opened
// as a zip whose main document part parses (Word reports).
#include "OutputCheck.h"

#include "FaultRun.h"
#include "InpReader.h"

#include <pugixml.hpp>
#include <zip.h>

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

// The main document part of a Word package, read with libzip.
std::string docxProblem(const std::string& path) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &code);
    if (archive == nullptr)
        return "not a zip package (libzip error " + std::to_string(code) + ")";
    std::string problem;
    zip_stat_t st;
    zip_file_t* part = nullptr;
    if (zip_stat(archive, "word/document.xml", 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE))
        problem = "no word/document.xml";
    else if ((part = zip_fopen(archive, "word/document.xml", 0)) == nullptr)
        problem = "word/document.xml does not open";
    if (part != nullptr) {
        std::string xml(st.size, '\0');
        const zip_int64_t got = zip_fread(part, xml.data(), st.size);
        zip_fclose(part);
        pugi::xml_document doc;
        if (got != static_cast<zip_int64_t>(st.size) || !doc.load_string(xml.c_str()))
            problem = "word/document.xml is not whole XML";
    }
    zip_discard(archive);
    return problem;
}

// A hydraulic input file that differs from the one written without a fault
// (a network the graph built smaller) must still read back whole: every
// record well-formed, every link between nodes of the file.
std::string inpProblem(const std::string& text) {
    const hxwt::InpRead read = hxwt::parseInp(text);
    for (const hxwt::InpMessage& m : read.messages) {
        if (m.error)
            return hxwt::messageText("out.inp", m);
    }
    return read.model.nodes.empty() ? "no nodes" : "";
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
    case OutputKind::Docx:
        return docxProblem(path);
    case OutputKind::Inp:
        return inpProblem(text);
    case OutputKind::None:
        break;
    }
    return "";
}
