// Printing a table with computed column widths.
#include "TextTable.h"

#include "BufferedOut.h"

#include <algorithm>

namespace hxwt {

size_t displayWidth(const std::string& text) {
    size_t width = 0;
    for (size_t i = 0; i < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        const size_t length = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        width += length >= 3 ? 2 : 1; // three- and four-byte forms are the wide scripts
        i += length;
    }
    return width;
}

void TextTable::addColumn(const std::string& header, Align align) {
    m_headers.push_back(header);
    m_aligns.push_back(align);
}

void TextTable::addRow(std::vector<std::string> cells) {
    cells.resize(m_headers.size());
    m_rows.push_back(std::move(cells));
}

void TextTable::print(std::ostream& out, const std::string& indent) const {
    std::vector<size_t> widths(m_headers.size());
    for (size_t c = 0; c < m_headers.size(); ++c) {
        widths[c] = displayWidth(m_headers[c]);
        for (const auto& row : m_rows)
            widths[c] = std::max(widths[c], displayWidth(row[c]));
    }
    BufferedOut buffered(out);
    std::string text; // one line, its room kept from line to line
    auto line = [&](const std::vector<std::string>& cells) {
        text = indent;
        for (size_t c = 0; c < cells.size(); ++c) {
            const size_t pad = widths[c] - displayWidth(cells[c]);
            if (c)
                text += "  ";
            if (m_aligns[c] == kRight)
                text.append(pad, ' ');
            text += cells[c];
            if (m_aligns[c] != kRight)
                text.append(pad, ' ');
        }
        text.erase(text.find_last_not_of(' ') + 1);
        buffered << text << '\n';
    };
    line(m_headers);
    for (const auto& row : m_rows)
        line(row);
}

} // namespace hxwt
