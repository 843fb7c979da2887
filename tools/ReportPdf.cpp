// soffice --headless --convert-to pdf, run without a shell, with a profile
// of its own so that concurrent runs and a user's LibreOffice do not meet.
#include "ReportPdf.h"

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace hxwt {

namespace fs = std::filesystem;

std::string findSoffice() {
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "");
    std::string dir;
    while (std::getline(dirs, dir, ':')) {
        if (dir.empty())
            continue;
        const std::string candidate = dir + "/soffice";
        if (::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return "";
}

bool convertToPdf(const std::string& soffice, const std::string& path, std::string* pdf,
                  std::string* error) {
    const fs::path source = fs::absolute(path);
    const fs::path profile = fs::temp_directory_path() / ("hxwt-lo-" + std::to_string(getpid()));
    const std::string profileUrl = "-env:UserInstallation=file://" + profile.string();
    const std::string outDir = source.parent_path().string();
    std::vector<std::string> args = {soffice,    "--headless",   "--norestore",
                                     profileUrl, "--convert-to", "pdf",
                                     "--outdir", outDir,         source.string()};
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int rc = posix_spawn(&child, soffice.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (rc == 0)
        waitpid(child, &status, 0);
    std::error_code ec;
    fs::remove_all(profile, ec);
    *pdf = (source.parent_path() / source.stem()).string() + ".pdf";
    if (rc != 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || !fs::exists(*pdf)) {
        *error = "LibreOffice could not convert " + path + " to PDF";
        return false;
    }
    return true;
}

} // namespace hxwt
