// What hxwt report puts into a report, and writing it through
// HxWtWordApplication: texts into the template's bookmarks, the pipe table
// at "Pipes" and the node table at "Wells".
#pragma once

#include <string>
#include <vector>

#include "GraphView.h"

namespace hxwt {

typedef std::vector<std::vector<std::string>> ReportRows; // header row first

struct ReportContent {
    std::string title, drawing, date, counts;
    ReportRows pipes;
    ReportRows nodes;
};

// The report of a built graph. ground holds each node's ground level in
// metres, or is empty when the drawing has no elevation samples (the node
// table then has no ground column).
ReportContent reportContent(const GraphView& view, const std::string& drawing,
                            const std::string& date, const std::vector<double>& ground);

// Makes a document from the template, fills it and saves it as out. False
// with Word's or the writer's message in *error; *badTemplate tells whether
// the template was what failed.
bool writeReport(const std::string& templatePath, const ReportContent& content,
                 const std::string& out, std::string* error, bool* badTemplate);

} // namespace hxwt
