// Every hxwt subcommand on every bundled example, run again and again with
// the 1st, 2nd, 3rd ... failable call of the stand-in host made to fail, until
// the command runs through without reaching the fault. Each step must end
// without a crash or sanitizer report, with the host's ledger clean, the input
// unchanged, any output complete and readable (or absent), and either the
// job done exactly as without the fault or a non-zero exit with a message.
#include "FaultRun.h"
#include "OutputCheck.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// One row per subcommand form. {in} is a copy of the example, {dir} the
// folder it was copied to, {out} the file the command writes. A row with an
// example names it (a file or a folder under the examples folder) and runs
// once on it; a row without one runs on every example drawing when its
// arguments have {in}, else once with no input.
//
// exact: a run that reached its fault and still exits 0 must print and write
// exactly what the run without the fault did. Rows whose module functions
// pass over an object that does not open, without a message, as their
// contract says (CheckPipe, the graph, the elevation samples, the valve size
// marker) are not exact:
// for them such a run may give a smaller answer; it is counted as passed over.
struct Command {
    const char* name;
    const char* args;
    OutputKind output;
    bool exact;
    const char* example = nullptr;
};

const Command kCommands[] = {
    {"info", "info {in}", OutputKind::None, true},
    {"copy", "copy {in} {out}", OutputKind::Dxf, true},
    {"check", "check {in} --fix -o {out}", OutputKind::Dxf, false},
    {"elevation", "elevation {in} 0,0 50,50 --svg {out}", OutputKind::Svg, false},
    {"network", "network {in} --pick 10 --at 2,0 --svg {out}", OutputKind::Svg, false},
    {"path", "path {in} --from D --to 8 --svg {out}", OutputKind::Svg, false},
    {"sample", "sample gravity {out}", OutputKind::Dxf, true},
    {"run", "run sample", OutputKind::None, true},
    {"lib path", "lib path {in}/ValveLib 闸阀", OutputKind::None, true, "DwgLib"},
    {"lib 3d", "lib 3d valve 减压阀 --main-dir {dir}", OutputKind::None, true, "DwgLib"},
    {"valve size --ref", "valve size {in} --ref 1B", OutputKind::None, false, "valves.dxf"},
    {"valve size --set", "valve size {in} --ref 1B --set 160,260 -o {out}", OutputKind::Dxf, false,
     "valves.dxf"},
    {"export pressure", "export {in} --pick E --at 2,0 --pressure -o {out}", OutputKind::Inp, false,
     "pressure.dxf"},
    {"export gravity", "export {in} --pick 10 --at 2,0 -o {out}", OutputKind::Inp, false,
     "gravity.dxf"},
    {"import EPANET", "import {in} -o {out}", OutputKind::Dxf, true, "NET1.inp"},
    {"import SWMM", "import {in} -o {out}", OutputKind::Dxf, true, "Site_Drainage_Model.inp"},
    {"report", "report {in} --pick 10 --at 2,0 -o {out}", OutputKind::Docx, false, "gravity.dxf"},
};

struct Case {
    const Command* command;
    std::string example; // file name under the examples folder; empty: none
};

std::vector<Case> allCases() {
    std::vector<std::string> examples;
    for (const auto& entry : fs::directory_iterator(HXWT_EXAMPLES_DIR)) {
        if (entry.path().extension() == ".dxf")
            examples.push_back(entry.path().filename().string());
    }
    std::sort(examples.begin(), examples.end());
    std::vector<Case> cases;
    for (const Command& command : kCommands) {
        if (command.example != nullptr) {
            cases.push_back({&command, command.example});
            continue;
        }
        if (std::string(command.args).find("{in}") == std::string::npos) {
            cases.push_back({&command, ""});
            continue;
        }
        for (const std::string& example : examples)
            cases.push_back({&command, example});
    }
    return cases;
}

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = info.param.command->name + std::string("_") + info.param.example;
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    }
    return name;
}

void replaceAll(std::string& text, const std::string& key, const std::string& value) {
    for (std::size_t at = text.find(key); at != std::string::npos;
         at = text.find(key, at + value.size()))
        text.replace(at, key.size(), value);
}

std::vector<std::string> argsOf(const char* args, const std::string& in, const std::string& dir,
                                const std::string& out) {
    std::vector<std::string> words;
    std::istringstream split(args);
    for (std::string word; split >> word;) {
        replaceAll(word, "{in}", in);
        replaceAll(word, "{dir}", dir);
        replaceAll(word, "{out}", out);
        words.push_back(word);
    }
    return words;
}

// The content of a file, or of every file of a folder with its relative
// path, in name order.
std::string snapshot(const fs::path& path) {
    if (!fs::is_directory(path))
        return slurpFile(path.string());
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(path))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    std::string all;
    for (const fs::path& file : files)
        all += fs::relative(file, path).string() + "\n" + slurpFile(file.string()) + "\n";
    return all;
}

std::string extensionOf(OutputKind kind) {
    switch (kind) {
    case OutputKind::Svg:
        return ".svg";
    case OutputKind::Docx:
        return ".docx";
    case OutputKind::Inp:
        return ".inp";
    default:
        return ".dxf";
    }
}

// Failure points reached per command, over every example, for the summary.
std::map<std::string, int>& pointsPerCommand() {
    static std::map<std::string, int> s_points;
    return s_points;
}

class FaultSweepTest : public ::testing::TestWithParam<Case> {
protected:
    void SetUp() override {
        const Case& c = GetParam();
        // One folder per process and case: sweeps of other builds may run
        // at the same time on this machine.
        m_dir = fs::path(::testing::TempDir()) /
                ("hxfault-" + std::to_string(::getpid()) + "-" + caseName({c, 0}));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
        m_out = (m_dir / ("out" + extensionOf(c.command->output))).string();
        if (!c.example.empty()) {
            const fs::path example = fs::path(HXWT_EXAMPLES_DIR) / c.example;
            m_in = (m_dir / c.example).string();
            m_original = snapshot(example);
            fs::copy(example, m_in, fs::copy_options::recursive);
        }
        m_args = argsOf(c.command->args, m_in, m_dir.string(), m_out);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    FaultRun run(int skip) { return runWithFault(HXWT_TOOL_PATH, m_args, skip, m_dir.string()); }

    // Files of the folder that neither the sweep nor the command's output
    // account for (temporary files left behind), one a line.
    std::string strayFiles() const {
        const std::vector<std::string> known{fs::path(m_in).filename().string(),
                                             fs::path(m_out).filename().string(), "stdout",
                                             "stderr", "report"};
        std::string stray;
        for (const auto& entry : fs::directory_iterator(m_dir)) {
            const std::string name = entry.path().filename().string();
            if (std::find(known.begin(), known.end(), name) == known.end())
                stray += name + "\n";
        }
        return stray;
    }

    // The checks every run must pass, with or without a fault.
    void expectSound(const FaultRun& r) {
        EXPECT_TRUE(r.exited && r.exitCode < 128) << "crashed: " << r.exitCode << "\n" << r.err;
        EXPECT_TRUE(r.reported) << "no report from the host at exit\n" << r.err;
        EXPECT_EQ(r.err.find("Sanitizer"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("runtime error"), std::string::npos) << r.err;
        EXPECT_TRUE(r.left.empty()) << "ledger at exit: " << ::testing::PrintToString(r.left);
        if (!m_in.empty()) {
            EXPECT_TRUE(snapshot(m_in) == m_original) << "the input changed";
        }
        EXPECT_EQ(strayFiles(), "") << "temporary files were left";
        if (fileExists(m_out)) {
            EXPECT_EQ(outputProblem(m_out, GetParam().command->output, m_reference.output), "");
        }
    }

    // A run whose fault was reached: the job done as without it, or a
    // non-zero exit with a message. False when an inexact row's run exited 0
    // with a smaller answer (passed over).
    bool expectDoneOrRefused(const FaultRun& r) {
        if (r.exitCode != 0) {
            EXPECT_FALSE(r.err.empty()) << "exit " << r.exitCode << " without a message";
            return true;
        }
        const std::string written = slurpFile(m_out);
        const bool same = r.out == m_reference.run.out && written == m_reference.output;
        if (!GetParam().command->exact && !same)
            return false;
        EXPECT_EQ(m_reference.run.exitCode, 0) << "exit 0 where the run without a fault failed";
        EXPECT_EQ(r.out, m_reference.run.out) << "exit 0, but printed something else";
        EXPECT_TRUE(written == m_reference.output)
            << "exit 0, but wrote something else (" << written.size() << " bytes, not "
            << m_reference.output.size() << ")";
        return true;
    }

    struct Reference {
        FaultRun run;
        std::string output;
    };

    fs::path m_dir;
    std::string m_in, m_out, m_original;
    std::vector<std::string> m_args;
    Reference m_reference;
};

TEST_P(FaultSweepTest, EveryFailablePointFailsCleanly) {
    m_reference.run = run(-1);
    expectSound(m_reference.run);
    ASSERT_FALSE(HasFailure()) << "the run without a fault is not sound";
    m_reference.output = slurpFile(m_out);
    fs::remove(m_out);

    std::map<std::string, int> reached;
    int points = 0, passedOver = 0;
    for (int skip = 0; skip <= m_reference.run.calls; ++skip) {
        const FaultRun r = run(skip);
        SCOPED_TRACE("failable call " + std::to_string(skip + 1) + " (" +
                     (r.failed.empty() ? "not reached" : r.failed.front()) + ")");
        expectSound(r);
        if (r.failed.empty()) {
            EXPECT_EQ(r.exitCode, m_reference.run.exitCode);
            break;
        }
        ++points;
        ++reached[r.failed.front()];
        passedOver += expectDoneOrRefused(r) ? 0 : 1;
        fs::remove(m_out);
        if (HasFailure())
            break;
    }
    EXPECT_EQ(points, m_reference.run.calls) << "every failable call is a failure point";
    pointsPerCommand()[GetParam().command->name] += points;
    std::cout << "[ FAULTS   ] " << GetParam().command->name << " " << GetParam().example << ": "
              << points << " failure points (" << passedOver << " passed over):";
    for (const auto& [op, n] : reached)
        std::cout << " " << op << " " << n;
    std::cout << "\n";
}

INSTANTIATE_TEST_SUITE_P(Tool, FaultSweepTest, ::testing::ValuesIn(allCases()), caseName);

// Prints the failure points per command once every sweep has run.
class SweepSummary : public ::testing::Environment {
public:
    void TearDown() override {
        for (const auto& [command, points] : pointsPerCommand())
            std::cout << "[ FAULTS   ] " << command << ": " << points << " failure points\n";
    }
};

const auto* const s_summary = ::testing::AddGlobalTestEnvironment(new SweepSummary);

} // namespace
