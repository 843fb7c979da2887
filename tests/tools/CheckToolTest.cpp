// hxwt check as a process: the findings on the seeded sample in both modes,
// the clean copy that --fix writes, what it refuses (no output file with
// --fix, an output without --fix, the input as output, a file that does not
// read) and that a refused fix writes nothing.
#include "HostTest.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "HxWtDbObject.h"
#include "hxhost/DxfCodec.h"

namespace {

namespace fs = std::filesystem;

class CheckToolTest : public HostTest {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("hxwt-check-" + std::to_string(::getpid()));
        fs::create_directories(m_dir);
    }
    void TearDown() override {
        fs::remove_all(m_dir);
        HostTest::TearDown();
    }
    // Runs hxwt with the arguments; the exit status, output in *out.
    int run(const std::string& args, std::string* out = nullptr) {
        const std::string command = std::string(HXWT_TOOL_PATH) + " " + args + " 2>&1";
        FILE* pipe = ::popen(command.c_str(), "r");
        std::string text;
        char buffer[256];
        while (pipe != nullptr && std::fgets(buffer, sizeof buffer, pipe) != nullptr)
            text += buffer;
        const int status = pipe == nullptr ? -1 : ::pclose(pipe);
        if (out != nullptr)
            *out = text;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string path(const char* name) const { return (m_dir / name).string(); }
    fs::path m_dir;
};

TEST_F(CheckToolTest, RefusesWhatItMustNotDo) {
    const std::string sample = path("sample.dxf");
    ASSERT_EQ(run("sample overlaps " + sample), 0);
    const auto before = fs::last_write_time(sample);
    const struct {
        const char* name;
        std::string args;
        int status;
        const char* says;
    } cases[] = {
        {"fix without output", "check " + sample + " --fix", 2, "needs -o"},
        {"output without fix", "check " + sample + " -o " + path("out.dxf"), 2, "add --fix"},
        {"fix over the input", "check " + sample + " --fix -o " + sample, 2, "is the input"},
        {"fix over the input by another path",
         "check " + sample + " --fix -o " + m_dir.string() + "/./sample.dxf", 2, "is the input"},
        {"missing file", "check " + path("none.dxf"), 2, "none.dxf: no such file"},
        {"no file at all", "check", 2, "file is required"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string out;
        EXPECT_EQ(run(c.args, &out), c.status) << out;
        EXPECT_NE(out.find(c.says), std::string::npos) << out;
    }
    EXPECT_EQ(fs::last_write_time(sample), before);
    EXPECT_FALSE(fs::exists(path("none.dxf")));
}

// Pipes reach files only through their DXF codec.
bool PipesTravelThroughFiles() {
    return hxhost::findDxfCodec(HxDbWtPipe::desc()) != nullptr;
}

TEST_F(CheckToolTest, FindsTheSeededFaultsAndWritesACleanCopy) {
    if (!PipesTravelThroughFiles())
        GTEST_SKIP() << "no DXF codec for pipes in this build";
    const std::string sample = path("sample.dxf");
    const std::string clean = path("clean.dxf");
    ASSERT_EQ(run("sample overlaps " + sample), 0);
    const struct {
        const char* name;
        std::string args;
        int status; // 1: faults found
        const char* says[3];
    } cases[] = {
        {"space",
         "check " + sample,
         1,
         {"pipes: 12 (space check)", "overlapping pipes: 4", "zero-length pipes: 2"}},
        {"plan",
         "check --plan " + sample,
         1,
         {"pipes: 12 (plan check)", "overlapping pipes: 6", "zero-length pipes: 0"}},
        {"fix",
         "check " + sample + " --fix -o " + clean,
         0,
         {"overlapping pipes: 4", "zero-length pipes: 2", "removed 6 pipes"}},
        {"the sample in examples/",
         "check " + std::string(HXWT_EXAMPLES_DIR) + "/overlaps.dxf",
         1,
         {"pipes: 12 (space check)", "overlapping pipes: 4", "zero-length pipes: 2"}},
        {"the clean copy",
         "check " + clean,
         0,
         {"pipes: 6 (space check)", "overlapping pipes: 0", "zero-length pipes: 0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string out;
        EXPECT_EQ(run(c.args, &out), c.status) << out;
        for (const char* line : c.says)
            EXPECT_NE(out.find(line), std::string::npos) << out;
    }
    // A zero-length pipe is listed with its handle and its position, in
    // metres (the sample is drawn in millimetres).
    std::string out;
    run("check " + sample, &out);
    EXPECT_NE(out.find("0.05         0.05            0       0.05       0.05          0"),
              std::string::npos)
        << out;
}

TEST_F(CheckToolTest, NotADrawingIsNotRead) {
    std::ofstream(path("text.dxf")) << "not a drawing\n";
    std::string out;
    EXPECT_EQ(run("check " + path("text.dxf") + " --fix -o " + path("out.dxf"), &out), 2);
    EXPECT_NE(out.find("text.dxf:1: "), std::string::npos) << "the reader's reason\n" << out;
    EXPECT_FALSE(fs::exists(path("out.dxf"))) << out;
}

} // namespace
