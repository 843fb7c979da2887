// The rules every hxwt subcommand keeps, end to end: no output replaces an
// input (by any path or link), every write is checked (standard output
// included), numbers are parsed strictly and echoed exactly, one rule of exit
// codes, the product's messages followed by an English diagnosis, files that
// are no drawing named as such, options that do not go together refused, and
// progress only on a terminal.
#include "HostTest.h"
#include "ToolRunner.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ToolRules : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("hxwt-rules-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
        for (const char* name : {"gravity.dxf", "terrain.dxf", "overlaps.dxf", "valves.dxf",
                                 "NET1.inp", "DwgLib/ValveLib/SysLib/GateValve.dxf"})
            fs::copy_file(fs::path(HXWT_EXAMPLES_DIR) / name, m_dir / fs::path(name).filename());
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string at(const std::string& name) const { return "'" + (m_dir / name).string() + "'"; }
    fs::path m_dir;
};

TEST_F(ToolRules, NoOutputReplacesAnInputByAnyName) {
    fs::create_symlink(m_dir / "gravity.dxf", m_dir / "link.dxf");
    fs::create_hard_link(m_dir / "terrain.dxf", m_dir / "hard.dxf");
    fs::create_directory(m_dir / "sub");
    const std::string g = at("gravity.dxf"), t = at("terrain.dxf"), o = at("overlaps.dxf");
    const std::string same = "'" + (m_dir / "sub" / ".." / "gravity.dxf").string() + "'";
    const std::string outputs[][2] = {
        {"network " + g + " --pick 10 --at 2,0 --svg " + g, "gravity.dxf"},
        {"network " + g + " --pick 10 --at 2,0 --svg " + same, "gravity.dxf"},
        {"network " + g + " --pick 10 --at 2,0 --svg " + at("link.dxf"), "gravity.dxf"},
        {"path " + g + " --from D --to 8 --svg " + at("link.dxf"), "gravity.dxf"},
        {"elevation " + t + " --svg " + at("hard.dxf"), "terrain.dxf"},
        {"elevation " + t + " --svg " + at("sub"), "terrain.dxf"},
        {"check " + o + " --fix -o " + o, "overlaps.dxf"},
        {"copy " + g + " " + at("link.dxf"), "gravity.dxf"},
        {"export " + g + " --pick 10 --at 2,0 -o " + at("link.dxf"), "gravity.dxf"},
        {"report " + g + " --pick 10 --at 2,0 -o " + same, "gravity.dxf"},
        {"import " + at("NET1.inp") + " -o '" + (m_dir / "sub" / ".." / "NET1.inp").string() + "'",
         "NET1.inp"},
        {"valve size " + at("valves.dxf") + " --ref 13 --set 1,2 -o " + at("valves.dxf"),
         "valves.dxf"},
        {"valve size " + at("GateValve.dxf") + " --set 1,2 -o " + at("GateValve.dxf"),
         "GateValve.dxf"},
        {"export " + g + " --pick 10 --at 2,0 -o " + at("sub"), "gravity.dxf"},
    };
    for (const auto& row : outputs) {
        const std::string before = slurp(m_dir / row[1]);
        const ToolResult r = runTool(row[0]);
        EXPECT_EQ(r.exitCode, 2) << row[0];
        EXPECT_TRUE(has(r.err, "is the input") || has(r.err, "is a directory")) << r.err;
        EXPECT_EQ(slurp(m_dir / row[1]), before) << row[0];
        EXPECT_TRUE(fs::is_symlink(m_dir / "link.dxf"));
    }
    for (const auto& entry : fs::directory_iterator(m_dir))
        EXPECT_FALSE(has(entry.path().filename().string(), ".tmp")) << "no temporary left";
}

TEST_F(ToolRules, AFailedWriteIsAnErrorStandardOutputIncluded) {
    const std::string g = at("gravity.dxf");
    const std::string lib = std::string("'") + HXWT_EXAMPLES_DIR + "/DwgLib/ValveLib'";
    const char* const commands[] = {"info ",   "network ", "elevation ", "export ",
                                    "import ", "lib ",     "valve ",     "report "};
    const std::string args[] = {g,
                                g + " --pick 10 --at 2,0",
                                at("terrain.dxf") + " 0,0",
                                g + " --pick 10 --at 2,0 -o " + at("out.inp"),
                                at("NET1.inp") + " -o " + at("net.dxf"),
                                "path " + lib + " CheckValve",
                                "size " + at("GateValve.dxf"),
                                g + " --pick 10 --at 2,0 -o " + at("out.docx")};
    for (size_t i = 0; i < 8; ++i) {
        const ToolResult r = runToolTo(commands[i] + args[i], "/dev/full");
        EXPECT_EQ(r.exitCode, 2) << commands[i];
        EXPECT_TRUE(has(r.err, "cannot write standard output")) << r.err;
    }
    const ToolResult r = runTool("network " + g + " --pick 10 --at 2,0 --svg /dev/full");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(has(r.err, "cannot write /dev/full")) << r.err;
    const ToolResult inp = runTool("export " + g + " --pick 10 --at 2,0 -o /dev/full");
    EXPECT_EQ(inp.exitCode, 2);
    EXPECT_TRUE(has(inp.err, "cannot write /dev/full")) << inp.err;
    EXPECT_EQ(runTool("sample gravity /nonexistent/dir/g.dxf").exitCode, 2);
}

TEST_F(ToolRules, NumbersAreFiniteDecimalsEverywhere) {
    const std::string g = at("gravity.dxf") + " --pick 10 --at ";
    const std::string t = at("terrain.dxf") + " ";
    for (const char* bad : {"inf,0", "nan,1", "1e400,0", "0x10,0", "1,", " 1,2", "1,2,3"}) {
        for (const std::string& args :
             {"network " + g + "'" + bad + "'", "elevation " + t + "'" + bad + "'",
              "elevation " + t + "--grid '" + bad + ",1,1,1'"}) {
            const ToolResult r = runTool(args);
            EXPECT_EQ(r.exitCode, 2) << args;
            EXPECT_TRUE(has(r.err, "X,Y") || has(r.err, "--grid wants")) << args << "\n" << r.err;
        }
        for (const std::string& args : {"export " + g + "'" + bad + "' -o " + at("o.inp"),
                                        "report " + g + "'" + bad + "' -o " + at("o.docx"),
                                        "valve size " + at("valves.dxf") + " --ref 13 --set '" +
                                            bad + "' -o " + at("o.dxf")}) {
            const ToolResult r = runTool(args);
            EXPECT_EQ(r.exitCode, 2) << args;
            EXPECT_TRUE(has(r.err, "finite decimal number")) << args << "\n" << r.err;
        }
    }
    for (const char* bad : {"inf", "nan", "1e400", "0x10", " 1", "1,2", "1.2.3"}) {
        for (const char* option : {"--roughness", "--manning", "--demand", "--source-head"}) {
            const std::string args =
                "export " + g + "2,0 -o " + at("o.inp") + " " + option + " '" + bad + "'";
            const ToolResult r = runTool(args);
            EXPECT_EQ(r.exitCode, 2) << args;
            EXPECT_TRUE(has(r.err, std::string(option) + " wants a finite decimal number"))
                << args << "\n"
                << r.err;
        }
    }
    for (const char* name : {"o.inp", "o.docx", "o.dxf"})
        EXPECT_FALSE(fs::exists(m_dir / name)) << name << " written after a refusal";
    // Points come back as given, never as digits the user did not type.
    const ToolResult r = runTool("elevation " + t + "1e40,0 0.1,-2.5 --json");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "{\"x\": 1e+40, \"y\": 0, ")) << r.out;
    EXPECT_TRUE(has(r.out, "{\"x\": 0.1, \"y\": -2.5, ")) << r.out;
}

TEST_F(ToolRules, OneRuleForExitCodes) {
    const std::string g = at("gravity.dxf");
    const auto ex = [](const char* name) {
        return std::string("'") + HXWT_EXAMPLES_DIR + "/" + name + "'";
    };
    const struct {
        std::string args;
        int exitCode;
    } rows[] = {
        {"--help", 0},
        {"network --help", 0},
        {"", 2},
        {"nosuch", 2},
        {"network " + g, 2},
        {"network " + g + " --pick 10 --at 2,0 --bogus", 2},
        {"check " + at("overlaps.dxf"), 1},
        {"info /nonexistent.dxf", 2},
        {"run nosuch", 2},
        {"sample nosuch " + at("x.dxf"), 2},
        {"export " + g + " --pick 10 --at 2,0", 2},
        {"export " + g + " --pick 10 --at 2,0 -o " + at("x.inp") + " --headloss X", 2},
        {"export " + ex("loop.dxf") + " --pick E --at 2,0 -o " + at("x.inp"), 1},
        {"import", 2},
        {"import " + at("NET1.inp"), 2},
        {"lib", 2},
        {"lib 3d pump x", 2},
        {"valve size", 2},
        {"valve size " + at("valves.dxf") + " --ref 13 --set 1,2", 2},
        {"valve size " + at("valves.dxf") + " --ref 2C", 1},
        {"report " + g + " --pick 10 --at 2,0", 2},
        {"report " + ex("loop.dxf") + " --pick E --at 2,0 -o " + at("x.docx"), 1},
    };
    for (const auto& row : rows)
        EXPECT_EQ(runTool(row.args).exitCode, row.exitCode) << row.args;
    const ToolResult help = runTool("network --help");
    EXPECT_TRUE(has(help.out, "Exit codes: 0 success; 1 the job ran")) << help.out;
    EXPECT_TRUE(has(help.out, "file TEXT REQUIRED")) << help.out;
    EXPECT_TRUE(has(runTool("check --help").out, "file TEXT REQUIRED"));
}

TEST_F(ToolRules, TheProductsMessageThenWhatToDo) {
    const std::string ex = std::string("'") + HXWT_EXAMPLES_DIR + "/";
    const struct {
        std::string args;
        const char* product;
        const char* english;
    } rows[] = {
        {"network " + ex + "loop.dxf' --pick E --at 2,0", "重力流管网有环形.",
         "loop.dxf: the graph was not built (status 5): pipe D, between well W2 (handle A) and "
         "well W1 (handle 9), closes a loop"},
        {"network " + ex + "supply.dxf' --pick 10 --at 1,0 --pressure", "建立管网关联失败.",
         "pipe 10 leaves well S1 (handle 8) and reaches no well or pool of the network: its "
         "other end meets well J4 (handle C), which pruning at the root"},
        {"network " + ex + "pressure.dxf' --pick 8 --pressure", "管网类型与参数不匹配.",
         "well S1 (handle 8) is not one: pick the pipe that leaves the source"},
        {"path " + ex + "gravity.dxf' --from 10 --to 8", "参数类型错误.", "pipe 10 is a pipe"},
    };
    for (const auto& row : rows) {
        const ToolResult r = runTool(row.args);
        EXPECT_EQ(r.exitCode, 1) << row.args;
        const size_t product = r.err.find(row.product);
        EXPECT_NE(product, std::string::npos) << r.err;
        EXPECT_GT(r.err.find(row.english), product) << "English after the product's line\n"
                                                    << r.err;
    }
    // JSON keeps the promise of empty lists and carries the explanation.
    const ToolResult r =
        runTool("network " + ex + "supply.dxf' --pick 10 --at 1,0 --pressure --json");
    EXPECT_TRUE(has(r.out, "\"status\": 6,")) << r.out;
    EXPECT_TRUE(has(r.out, "\"nodes\": [],\n  \"edges\": []")) << r.out;
    EXPECT_TRUE(has(r.out, "\"diagnosis\": \"pipe 10 leaves well S1")) << r.out;
}

TEST_F(ToolRules, FilesThatAreNoDrawingSaySo) {
    std::ofstream(m_dir / "empty.dxf").close();
    std::ofstream(m_dir / "binary.dxf", std::ios::binary) << std::string("AC1015\0\x01\x02", 9);
    const struct {
        std::string file;
        const char* says;
    } files[] = {
        {at("empty.dxf"), "empty.dxf: is empty (0 bytes), not a drawing"},
        {at("binary.dxf"), "binary.dxf: is a binary file"},
        {"'" + m_dir.string() + "'", ": is a directory, not a drawing"},
        {at("none.dxf"), "none.dxf: no such file"},
    };
    for (const auto& f : files) {
        for (const std::string& args :
             {"info " + f.file, "check " + f.file, "elevation " + f.file + " 0,0",
              "network " + f.file + " --pick 10 --at 0,0", "copy " + f.file + " " + at("o.dxf")}) {
            const ToolResult r = runTool(args);
            EXPECT_EQ(r.exitCode, 2) << args;
            EXPECT_TRUE(has(r.err, f.says)) << args << "\n" << r.err;
        }
    }
}

TEST_F(ToolRules, OptionsThatDoNotGoTogetherAreRefused) {
    const std::string g = at("gravity.dxf");
    const struct {
        std::string args;
        const char* says;
    } rows[] = {
        {"elevation " + at("terrain.dxf") + " 0,0 --json --grid 0,0,10,10,5", "use one of them"},
        {"elevation " + at("terrain.dxf"), "nothing to print"},
        {"check " + at("overlaps.dxf") + " -o " + at("out.dxf"), "add --fix"},
        {"network " + g + " --pick 9 --at 0,0", "is not a pipe"},
        {"network " + g + " --pick 10", "is a pipe: give --at"},
    };
    for (const auto& row : rows) {
        const ToolResult r = runTool(row.args);
        EXPECT_EQ(r.exitCode, 2) << row.args;
        EXPECT_TRUE(has(r.err, row.says)) << r.err;
    }
}

TEST_F(ToolRules, TablesKeepTheirColumnsAndLoopsTheirNodes) {
    const ToolResult r = runTool(std::string("network '") + HXWT_EXAMPLES_DIR +
                                 "/supply.dxf' --pick 16 --at 160,40 --pressure");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(has(r.out, "0 J5 -- 1 J6")) << "a link edge names the nodes it joins\n" << r.out;
    // The edge rows end in a right-aligned column: every line is as long.
    std::istringstream lines(r.out.substr(r.out.find("\nedges\n") + 7));
    std::string line;
    std::getline(lines, line);
    const size_t width = line.size();
    EXPECT_TRUE(has(line, "DN (mm)") && has(line, "slope (m/m)")) << line;
    while (std::getline(lines, line))
        EXPECT_EQ(line.size(), width) << line;
}

// The largest x of the picture's texts and its width.
std::pair<double, double> textReachAndWidth(const std::string& svg) {
    double reach = 0.0;
    for (size_t at = svg.find("<text"); at != std::string::npos; at = svg.find("<text", at + 1)) {
        const size_t x = svg.find(" x=\"", at);
        if (svg.compare(svg.find('>', at) - 17, 17, "text-anchor=\"end\"") != 0)
            reach = std::max(reach, std::stod(svg.substr(x + 4)));
    }
    return {reach, std::stod(svg.substr(svg.find("width=\"") + 7))};
}

TEST_F(ToolRules, PicturesCarryALegendAScaleAndTheirLabels) {
    const std::string ex = std::string("'") + HXWT_EXAMPLES_DIR + "/";
    const struct {
        std::string args;
        const char* legend;
        size_t arrows, links;
    } rows[] = {
        {"network " + ex + "gravity.dxf' --pick 10 --at 2,0", "pipe, arrow = flow", 6, 0},
        {"network " + ex + "pressure.dxf' --pick E --at 2,0 --pressure", "pipe, arrow = flow", 5,
         0},
        {"network " + ex + "supply.dxf' --pick 16 --at 160,40 --pressure", "no direction", 0, 8},
        {"path " + ex + "gravity.dxf' --from D --to 8", "arrow from first to last", 3, 0},
        {"elevation " + at("terrain.dxf") + " 0,0", "ground level (m)", 0, 0},
    };
    for (const auto& row : rows) {
        const fs::path svg = m_dir / "picture.svg";
        ASSERT_EQ(runTool(row.args + " --svg '" + svg.string() + "'").exitCode, 0) << row.args;
        const std::string text = slurp(svg);
        EXPECT_TRUE(has(text, row.legend)) << row.args;
        EXPECT_TRUE(has(text, "<g class=\"scale\">")) << row.args;
        size_t arrows = 0, links = 0;
        for (size_t at = text.find("><title>pipe"); at != std::string::npos;
             at = text.find("><title>pipe", at + 1))
            (text.compare(at - 23, 23, "marker-end=\"url(#flow)\"") == 0 ? arrows : links)++;
        EXPECT_EQ(arrows, row.arrows) << row.args;
        EXPECT_EQ(links, row.links) << row.args;
        const auto [reach, width] = textReachAndWidth(text);
        EXPECT_LT(reach, width - 20) << "labels start inside the picture: " << row.args;
    }
}

TEST_F(ToolRules, ProgressOnlyOnATerminal) {
    const std::string args = "elevation " + at("terrain.dxf") + " --grid 0,0,500,500,1";
    const ToolResult quiet = runTool(args);
    EXPECT_EQ(quiet.exitCode, 0);
    EXPECT_EQ(quiet.err, "") << "no progress into a file";
    const std::string command =
        "script -qec \"'" + std::string(HXWT_TOOL_PATH) + "' " + args + " >/dev/null\" /dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string shown;
    char buffer[4096];
    while (size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
        shown.append(buffer, n);
    ::pclose(pipe);
    EXPECT_TRUE(has(shown, "hxwt: interpolating the grid")) << shown;
}

} // namespace
