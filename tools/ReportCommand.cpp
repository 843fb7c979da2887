// hxwt report DRAWING.dxf --pick H [--at X,Y] [--pressure] [--template T.dotx]
// -o REPORT.docx [--pdf]: builds the pipe network graph as hxwt network does
// and writes a Word report of it through HxWtWordApplication.
// hxwt report --make-template OUT.dotx writes the default template.
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>

#include "ExitCode.h"
#include "HxWtPointElevUtility.h"
#include "NetworkBuild.h"
#include "OutputGuard.h"
#include "ReportPdf.h"
#include "ReportTemplate.h"
#include "ReportWriter.h"
#include "ToolCommands.h"

namespace hxwt {
namespace {

namespace fs = std::filesystem;

struct ReportOptions {
    std::string file, pick, at, templ, out, makeTemplate;
    bool pressure = false;
    bool pdf = false;
};

// Today as YYYY-MM-DD (UTC), or the day of SOURCE_DATE_EPOCH when set, so
// that reports can be made reproducibly.
std::string today() {
    std::time_t now = std::time(nullptr);
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"))
        now = std::time_t(std::strtoll(epoch, nullptr, 10));
    char buf[16];
    std::tm tm{};
    gmtime_r(&now, &tm);
    std::strftime(buf, sizeof buf, "%Y-%m-%d", &tm);
    return buf;
}

// Ground levels of the nodes in metres; empty when the drawing has no samples.
std::vector<double> groundLevels(const GraphView& view) {
    HxWtPointElevUtility elevation;
    const double unit = metresPerUnit();
    std::vector<double> levels;
    for (const NodeView& n : view.nodes) {
        double level = 0.0;
        if (!elevation.GetPointElevation(AcGePoint3d(n.x / unit, n.y / unit, 0.0), level))
            return {};
        levels.push_back(level);
    }
    return levels;
}

int usage(const std::string& text) {
    std::cerr << "hxwt: " << text << "\n";
    return kExitUsage;
}

int makeTemplate(const ReportOptions& o) {
    std::string error;
    if (!writeOutputWith(o.makeTemplate, writeReportTemplate, &error))
        return usage("cannot write " + o.makeTemplate + ": " + error);
    std::cout << "template: " << o.makeTemplate << "\n";
    return kExitOk;
}

std::string pdfPath(const std::string& out) {
    const fs::path path(out);
    return (path.parent_path() / path.stem()).string() + ".pdf";
}

int checkUsage(const ReportOptions& o) {
    if (o.file.empty() || o.pick.empty() || o.out.empty())
        return usage("report wants DRAWING.dxf --pick HANDLE [--at X,Y] -o REPORT.docx");
    noteInput(o.file);
    noteInput(o.templ);
    std::string refusal = outputRefusal(o.out);
    if (refusal.empty() && o.pdf)
        refusal = outputRefusal(pdfPath(o.out));
    return refusal.empty() ? kExitOk : usage(refusal);
}

int convert(const std::string& out) {
    const std::string soffice = findSoffice();
    if (soffice.empty()) {
        std::cerr << "hxwt: --pdf: LibreOffice (soffice) is not installed; " << out
                  << " was written, no PDF was made\n";
        return kExitNegative;
    }
    std::string pdf, error;
    if (!convertToPdf(soffice, out, &pdf, &error)) {
        std::cerr << "hxwt: " << error << "\n";
        return kExitNegative;
    }
    std::cout << "pdf: " << pdf << "\n";
    return kExitOk;
}

int writeWith(const ReportOptions& o, const ReportContent& content) {
    std::string templ = o.templ, error;
    const bool own = templ.empty();
    if (own) {
        templ =
            (fs::temp_directory_path() / ("hxwt-template-" + std::to_string(getpid()) + ".dotx"))
                .string();
        if (!writeReportTemplate(templ, &error))
            return usage(templ + ": " + error);
    }
    const bool written = writeOutputWith(
        o.out,
        [&](const std::string& file, std::string* why) {
            bool badTemplate = false;
            if (writeReport(templ, content, file, why, &badTemplate))
                return true;
            *why = (badTemplate ? templ : o.out) + ": " + *why;
            return false;
        },
        &error);
    if (own)
        std::remove(templ.c_str());
    if (!written)
        return usage(error);
    std::cout << "report: " << o.out << " (" << content.pipes.size() - 1 << " pipes, "
              << content.nodes.size() - 1 << " wells and pools; lengths m, diameters mm)\n";
    return kExitOk;
}

int runReport(const ReportOptions& o) {
    if (!o.makeTemplate.empty())
        return makeTemplate(o);
    if (int code = checkUsage(o))
        return code;
    HxDbWtPipeGraph graph;
    GraphView view;
    if (int code = buildNetwork({o.file, o.pick, o.at, o.pressure, false}, graph, view))
        return code;
    if (view.status != HxDbWtPipeGraph::kGraphOk) {
        printGraphFailure(view);
        std::cerr << "hxwt: " << o.file << ": no report written\n";
        return kExitNegative;
    }
    const ReportContent content =
        reportContent(view, fs::path(o.file).filename().string(), today(), groundLevels(view));
    if (int code = writeWith(o, content))
        return code;
    return o.pdf ? convert(o.out) : kExitOk;
}

} // namespace

void addReportCommand(CLI::App& app) {
    auto o = std::make_shared<ReportOptions>();
    CLI::App* cmd = app.add_subcommand("report", "Write a Word report of a pipe network");
    cmd->add_option("file", o->file, "The DXF drawing");
    cmd->add_option("--pick", o->pick, "Handle (hex) of the picked pipe or well");
    cmd->add_option("--at", o->at,
                    "The picked point X,Y (metres as drawn), needed when a pipe is picked");
    cmd->add_flag("--pressure", o->pressure, "A pressure network (default: gravity)");
    cmd->add_option("--template", o->templ, "The Word template (.dotx); default: the built-in one");
    cmd->add_option("-o,--output", o->out, "The report to write (.docx)");
    cmd->add_flag("--pdf", o->pdf, "Also convert the report to PDF with LibreOffice");
    cmd->add_option("--make-template", o->makeTemplate, "Write the default template and stop");
    cmd->callback([o] { setExitCode(runReport(*o)); });
}

} // namespace hxwt
