// Text of the input files the tool writes: numbers without needless zeros and
// sections whose columns line up, each element led by a comment line that
// names the drawing handle it comes from.
#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace hxwt {

// value with at most `decimals` (1 or more) decimals, trailing zeros dropped
// ("-0" is "0").
std::string inpNumber(double value, int decimals);

// An id the formats accept for the name: no blanks or ';', at most 31
// characters; the prefix and handle when the name gives none; the handle
// appended when it is taken or too long. Added to used.
std::string fileId(const std::string& name, const std::string& prefix, const std::string& handle,
                   std::unordered_set<std::string>& used);

// One section: its name, the column heads, and rows with their comment.
class InpSection {
public:
    InpSection(std::string name, std::vector<std::string> heads, std::string commentLead = ";");

    // A row, led by the comment line ";handle H" when handle is not empty.
    void add(std::vector<std::string> cells, const std::string& handle = "");
    bool empty() const { return m_rows.empty(); }

    // "[NAME]", the heads as a comment, the rows in aligned columns, a blank line.
    std::string text() const;

private:
    std::string m_name;
    std::vector<std::string> m_heads;
    std::string m_lead;
    std::vector<std::pair<std::string, std::vector<std::string>>> m_rows;
};

} // namespace hxwt
