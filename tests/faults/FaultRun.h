// Runs the built hxwt tool as a process of its own, with a fault of the
// stand-in host planned through its environment hook, and collects what came
// out: exit, output streams and the host's report at exit.
#pragma once

#include <string>
#include <vector>

struct FaultRun {
    bool exited = false;             // ended through exit (not a signal)
    int exitCode = -1;               // exit status when exited
    std::string out, err;            // standard output and error
    bool reported = false;           // the host wrote its report at exit
    int calls = 0;                   // failable calls the run made
    std::vector<std::string> failed; // operations a plan made fail
    std::vector<std::string> left;   // ledger counts still out at exit
};

// Runs `tool args` with the host told to fail its (skip+1)th failable call
// (skip < 0: no fault planned). Output goes to files under workDir.
FaultRun runWithFault(const std::string& tool, const std::vector<std::string>& args, int skip,
                      const std::string& workDir);

// The whole content of a file; empty when it does not read.
std::string slurpFile(const std::string& path);
bool fileExists(const std::string& path);
