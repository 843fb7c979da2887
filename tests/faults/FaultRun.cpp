// Runs hxwt with a planned host fault through posix_spawn and reads back its
// streams and the host's report.
#include "FaultRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

extern char** environ;

namespace {

// The process environment without the hook's variables, plus the given ones.
std::vector<std::string> environmentWith(const std::vector<std::string>& extra) {
    std::vector<std::string> env;
    for (char** e = environ; *e != nullptr; ++e) {
        if (std::strncmp(*e, "HXHOST_FAULT", 12) != 0)
            env.emplace_back(*e);
    }
    env.insert(env.end(), extra.begin(), extra.end());
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
    std::vector<char*> out;
    for (std::string& t : texts)
        out.push_back(t.data());
    out.push_back(nullptr);
    return out;
}

void readReport(const std::string& path, FaultRun& run) {
    std::ifstream in(path);
    run.reported = in.good();
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("calls ", 0) == 0)
            run.calls = std::atoi(line.c_str() + 6);
        else if (line.rfind("failed ", 0) == 0)
            run.failed.push_back(line.substr(7));
        else if (line.rfind("left ", 0) == 0)
            run.left.push_back(line.substr(5));
    }
}

} // namespace

std::string slurpFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool fileExists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

FaultRun runWithFault(const std::string& tool, const std::vector<std::string>& args, int skip,
                      const std::string& workDir) {
    const std::string outPath = workDir + "/stdout", errPath = workDir + "/stderr";
    const std::string reportPath = workDir + "/report";
    std::remove(reportPath.c_str());
    std::vector<std::string> extra{"HXHOST_FAULT_REPORT=" + reportPath};
    if (skip >= 0)
        extra.push_back("HXHOST_FAULT=*:" + std::to_string(skip));
    std::vector<std::string> env = environmentWith(extra);
    std::vector<std::string> argv{tool};
    argv.insert(argv.end(), args.begin(), args.end());

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = 0;
    std::vector<char*> argp = pointers(argv), envp = pointers(env);
    const int spawned =
        posix_spawn(&pid, tool.c_str(), &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    FaultRun run;
    if (spawned != 0)
        return run;
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.exited = WIFEXITED(status);
    run.exitCode = run.exited ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = slurpFile(outPath);
    run.err = slurpFile(errPath);
    readReport(reportPath, run);
    return run;
}
