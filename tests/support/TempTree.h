// A folder tree of files for a test, made under the temporary directory and
// removed with the object.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

class TempTree {
public:
    explicit TempTree(const std::string& tag) {
        static int s_count = 0;
        m_root =
            std::filesystem::temp_directory_path() /
            ("hxwt-" + tag + "-" + std::to_string(::getpid()) + "-" + std::to_string(++s_count));
        std::filesystem::create_directories(m_root);
    }
    ~TempTree() {
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The path of rel (slashes) under the root.
    std::string path(const std::string& rel = "") const {
        return rel.empty() ? m_root.string() : (m_root / rel).string();
    }
    // Writes bytes to rel, making its folders.
    std::string write(const std::string& rel, const std::string& bytes) const {
        const auto file = m_root / rel;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    std::string read(const std::string& rel) const {
        std::ifstream in(m_root / rel, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::filesystem::path m_root;
};
