// hxwt report DRAWING.dxf --pick H --at X,Y [--pressure] [--template T.dotx]
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

#include "DrawingLoad.h"
#include "GraphOutput.h"
#include "HxDbWtPipeGraph.h"
#include "HxWtPointElevUtility.h"
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

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return !a.empty() && !b.empty() && fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

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
    std::vector<double> levels;
    for (const NodeView& n : view.nodes) {
        double level = 0.0;
        if (!elevation.GetPointElevation(AcGePoint3d(n.x, n.y, 0.0), level))
            return {};
        levels.push_back(level);
    }
    return levels;
}

int makeTemplate(const ReportOptions& o) {
    std::string error;
    if (!writeReportTemplate(o.makeTemplate, &error)) {
        std::cerr << "hxwt: " << o.makeTemplate << ": " << error << "\n";
        return 2;
    }
    std::cout << "template: " << o.makeTemplate << "\n";
    return 0;
}

int checkUsage(const ReportOptions& o) {
    if (o.file.empty() || o.pick.empty() || o.at.empty() || o.out.empty()) {
        std::cerr << "hxwt: report wants DRAWING.dxf --pick HANDLE --at X,Y -o REPORT.docx\n";
        return 2;
    }
    for (const std::string* input : {&o.file, &o.templ}) {
        if (sameFile(o.out, *input)) {
            std::cerr << "hxwt: " << o.out << ": will not write over the input " << *input << "\n";
            return 2;
        }
    }
    return 0;
}

int convert(const std::string& out) {
    const std::string soffice = findSoffice();
    if (soffice.empty()) {
        std::cerr << "hxwt: --pdf: LibreOffice (soffice) is not installed; " << out
                  << " was written, no PDF was made\n";
        return 1;
    }
    std::string pdf, error;
    if (!convertToPdf(soffice, out, &pdf, &error)) {
        std::cerr << "hxwt: " << error << "\n";
        return 1;
    }
    std::cout << "pdf: " << pdf << "\n";
    return 0;
}

int writeWith(const ReportOptions& o, const ReportContent& content) {
    std::string templ = o.templ, error;
    const bool own = templ.empty();
    if (own) {
        templ =
            (fs::temp_directory_path() / ("hxwt-template-" + std::to_string(getpid()) + ".dotx"))
                .string();
        if (!writeReportTemplate(templ, &error)) {
            std::cerr << "hxwt: " << templ << ": " << error << "\n";
            return 2;
        }
    }
    bool badTemplate = false;
    const bool written = writeReport(templ, content, o.out, &error, &badTemplate);
    if (own)
        std::remove(templ.c_str());
    if (!written) {
        std::cerr << "hxwt: " << (badTemplate ? templ : o.out) << ": " << error << "\n";
        return 2;
    }
    std::cout << "report: " << o.out << " (" << content.pipes.size() - 1 << " pipes, "
              << content.nodes.size() - 1 << " wells and pools)\n";
    return 0;
}

int runReport(const ReportOptions& o) {
    if (!o.makeTemplate.empty())
        return makeTemplate(o);
    if (int usage = checkUsage(o))
        return usage;
    double x = 0.0, y = 0.0;
    if (!parsePoint(o.at, x, y)) {
        std::cerr << "hxwt: --at wants X,Y, not " << o.at << "\n";
        return 2;
    }
    std::string error;
    if (!loadDrawing(o.file, &error)) {
        std::cerr << "hxwt: " << error << "\n";
        return 2;
    }
    AcDbObjectId picked = idFromHandle(currentDatabase(), o.pick);
    if (picked.isNull()) {
        std::cerr << "hxwt: no object with handle " << o.pick << " in " << o.file << "\n";
        return 2;
    }
    HxDbWtPipeGraph graph;
    graph.SetPipeGraphType(o.pressure ? HxDbWtPipeGraph::kPressure : HxDbWtPipeGraph::kGravity);
    const int status = graph.CreateGraph(picked, AcGePoint3d(x, y, 0.0));
    const GraphView view = makeGraphView(graph, status);
    if (status != HxDbWtPipeGraph::kGraphOk) {
        std::cerr << "hxwt: " << o.file << ": " << view.message << "; no report written\n";
        return 1;
    }
    const ReportContent content =
        reportContent(view, fs::path(o.file).filename().string(), today(), groundLevels(view));
    if (int rc = writeWith(o, content))
        return rc;
    return o.pdf ? convert(o.out) : 0;
}

} // namespace

void addReportCommand(CLI::App& app) {
    auto o = std::make_shared<ReportOptions>();
    CLI::App* cmd = app.add_subcommand("report", "Write a Word report of a pipe network");
    cmd->add_option("file", o->file, "The DXF drawing");
    cmd->add_option("--pick", o->pick, "Handle (hex) of the picked pipe or well");
    cmd->add_option("--at", o->at, "The picked point X,Y");
    cmd->add_flag("--pressure", o->pressure, "A pressure network (default: gravity)");
    cmd->add_option("--template", o->templ, "The Word template (.dotx); default: the built-in one");
    cmd->add_option("-o,--output", o->out, "The report to write (.docx)");
    cmd->add_flag("--pdf", o->pdf, "Also convert the report to PDF with LibreOffice");
    cmd->add_option("--make-template", o->makeTemplate, "Write the default template and stop");
    cmd->callback([o] { setExitCode(runReport(*o)); });
}

} // namespace hxwt
