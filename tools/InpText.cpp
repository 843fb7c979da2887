// Numbers and aligned sections of the input files the tool writes.
#include "InpText.h"

#include <algorithm>

#include "FixedText.h"

namespace hxwt {

std::string inpNumber(double value, int decimals) {
    return formatFixed(value, decimals);
}

std::string fileId(const std::string& name, const std::string& prefix, const std::string& handle,
                   std::unordered_set<std::string>& used) {
    constexpr size_t kMaxId = 31;
    std::string id;
    bool meaningful = false;
    for (unsigned char c : name) {
        const bool plain = c > 0x20 && c < 0x7f && c != ';' && c != '"' && c != '[' && c != ']';
        id += plain ? static_cast<char>(c) : '_';
        meaningful = meaningful || plain;
    }
    if (!meaningful)
        id = prefix + handle;
    if (id.size() > kMaxId || used.count(id) != 0)
        id = id.substr(0, kMaxId - handle.size() - 1) + "_" + handle;
    const std::string base = id;
    for (int n = 2; used.count(id) != 0; ++n) {
        const std::string suffix = "_" + std::to_string(n);
        id = base.substr(0, kMaxId - suffix.size()) + suffix;
    }
    used.insert(id);
    return id;
}

InpSection::InpSection(std::string name, std::vector<std::string> heads, std::string commentLead)
    : m_name(std::move(name)), m_heads(std::move(heads)), m_lead(std::move(commentLead)) {}

void InpSection::add(std::vector<std::string> cells, const std::string& handle) {
    m_rows.emplace_back(handle, std::move(cells));
}

std::string InpSection::text() const {
    std::vector<size_t> width(m_heads.size(), 0);
    for (size_t c = 0; c < m_heads.size(); ++c)
        width[c] = m_heads[c].size() + (c == 0 ? m_lead.size() : 0);
    for (const auto& row : m_rows)
        for (size_t c = 0; c < row.second.size() && c < width.size(); ++c)
            width[c] = std::max(width[c], row.second[c].size());
    auto line = [&](const std::vector<std::string>& cells, const std::string& lead) {
        std::string out = lead;
        for (size_t c = 0; c < cells.size(); ++c) {
            std::string cell = cells[c];
            if (c + 1 < cells.size() && c < width.size())
                cell.resize(std::max(cell.size(), width[c] - (c == 0 ? lead.size() : 0)), ' ');
            out += cell + (c + 1 < cells.size() ? " " : "");
        }
        return out + "\n";
    };
    std::string out = "[" + m_name + "]\n" + line(m_heads, m_lead);
    for (const auto& row : m_rows) {
        if (!row.first.empty())
            out += ";handle " + row.first + "\n";
        out += line(row.second, "");
    }
    return out + "\n";
}

} // namespace hxwt
