// Small Word templates for tests: a .dotx whose body is the given
// WordprocessingML, written to a temporary file that the object removes.
#pragma once

#include <string>

class TestTemplate {
public:
    // Writes a template (main part template-typed, styles and a footer part
    // beside it) with body as the content of w:body.
    TestTemplate(const std::string& name, const std::string& body);
    ~TestTemplate();
    TestTemplate(const TestTemplate&) = delete;
    TestTemplate& operator=(const TestTemplate&) = delete;
    const std::string& path() const { return m_path; }
    std::wstring widePath() const { return std::wstring(m_path.begin(), m_path.end()); }

private:
    std::string m_path;
};

// A paragraph of plain text, with bookmark `mark` around it when given.
std::string para(const std::string& text, const std::string& mark = "", int id = 0);
// A temporary path (removed by the caller) with the given suffix.
std::string tempPath(const std::string& name);
// The bytes of a file ("" when it cannot be read).
std::string fileBytes(const std::string& path);
// The main part of a written .docx ("" when it cannot be read).
std::string documentXml(const std::string& docxPath);
