// Runs the built hxwt tool with its output captured in temporary files.
#include "ToolRunner.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string tempPath(const char* what) {
    return std::string("/tmp/hxwt-tooltest-") + std::to_string(getpid()) + "-" + what;
}

} // namespace

ToolResult runTool(const std::string& args, const std::string& env) {
    return runToolTo(args, "", env);
}

ToolResult runToolTo(const std::string& args, const std::string& stdoutPath,
                     const std::string& env) {
    std::string out = stdoutPath.empty() ? tempPath("out") : stdoutPath;
    std::string err = tempPath("err");
    std::string command = (env.empty() ? std::string() : "env " + env + " ") + "'" +
                          HXWT_TOOL_PATH + "' " + args + " >'" + out + "' 2>'" + err + "'";
    int status = std::system(command.c_str());
    ToolResult result;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = readAll(err);
    if (stdoutPath.empty()) {
        result.out = readAll(out);
        std::remove(out.c_str());
    }
    std::remove(err.c_str());
    return result;
}
