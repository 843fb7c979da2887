// Runs the built hxwt tool and captures what it printed and its exit code.
#pragma once

#include <string>

struct ToolResult {
    int exitCode = -1;
    std::string out; // standard output
    std::string err; // standard error
};

// Runs `hxwt ARGS` (arguments already quoted for the shell), with the
// environment assignments of env ("NAME=VALUE ...") when given.
ToolResult runTool(const std::string& args, const std::string& env = "");

// The same with standard output sent to stdoutPath (such as /dev/full);
// out stays empty.
ToolResult runToolTo(const std::string& args, const std::string& stdoutPath,
                     const std::string& env = "");
