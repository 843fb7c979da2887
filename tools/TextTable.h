// TextTable: a table for people to read, with each column as wide as its
// widest cell (header included), so that nothing runs together whatever the
// values. Columns are separated by two spaces; numbers align right, text
// left; no line ends in blanks. The table keeps its cells until printed.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace hxwt {

class TextTable {
public:
    enum Align { kLeft, kRight };

    // Adds a column; the header should carry the unit ("x (m)").
    void addColumn(const std::string& header, Align align = kLeft);
    // Adds a row; missing cells print empty, extra cells are dropped.
    void addRow(std::vector<std::string> cells);
    size_t rowCount() const { return m_rows.size(); }

    // The header line, then the rows, each line led by indent.
    void print(std::ostream& out, const std::string& indent = "") const;

private:
    std::vector<std::string> m_headers;
    std::vector<Align> m_aligns;
    std::vector<std::vector<std::string>> m_rows;
};

// The display width of UTF-8 text: one per character, two for the wide
// (CJK) characters, so that Chinese names keep the columns straight.
size_t displayWidth(const std::string& text);

} // namespace hxwt
