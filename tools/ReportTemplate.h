// The default report template: a .dotx with the bookmarks that hxwt report
// fills (Title, Drawing, Date, Counts; Pipes and Wells for the tables), page
// styles and a footer. Made here byte for byte the same every time.
#pragma once

#include <string>

namespace hxwt {

// Writes the template to path; false with a message in *error.
bool writeReportTemplate(const std::string& path, std::string* error);

} // namespace hxwt
