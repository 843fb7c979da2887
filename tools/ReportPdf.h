// Converting a written report to PDF with LibreOffice in headless mode.
#pragma once

#include <string>

namespace hxwt {

// The soffice program on PATH, or "" when LibreOffice is not installed.
std::string findSoffice();

// Converts the .docx at path into a PDF beside it (same name, .pdf) with a
// private LibreOffice profile. False with a message in *error.
bool convertToPdf(const std::string& soffice, const std::string& path, std::string* pdf,
                  std::string* error);

} // namespace hxwt
