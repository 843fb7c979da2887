// Splitting multi-line text contents into lines and formatting runs.
#include "entities/MTextRuns.h"

#include <cwchar>

namespace hxhost {
namespace {

class RunSplitter {
public:
    RunSplitter(const std::wstring& text, double baseHeight) : m_in(text) {
        m_heights.push_back(baseHeight);
    }

    std::vector<MTextRun> split() {
        while (m_pos < m_in.size()) {
            const wchar_t c = m_in[m_pos++];
            if (c == L'\\')
                code();
            else if (c == L'{')
                openGroup();
            else if (c == L'}')
                closeGroup();
            else
                m_text += c;
        }
        endRun();
        return std::move(m_runs);
    }

private:
    void endRun() {
        if (!m_text.empty())
            m_runs.push_back(MTextRun{m_text, m_heights.back(), m_line});
        m_text.clear();
    }
    void openGroup() {
        endRun();
        m_heights.push_back(m_heights.back());
    }
    void closeGroup() {
        endRun();
        if (m_heights.size() > 1)
            m_heights.pop_back();
    }
    // The argument of a code, up to ';' (or the end of the contents).
    std::wstring argument() {
        const std::size_t end = m_in.find(L';', m_pos);
        std::wstring arg = m_in.substr(m_pos, end == std::wstring::npos ? end : end - m_pos);
        m_pos = end == std::wstring::npos ? m_in.size() : end + 1;
        return arg;
    }
    void height(const std::wstring& arg) {
        wchar_t* rest = nullptr;
        const double v = std::wcstod(arg.c_str(), &rest);
        if (rest == arg.c_str() || !(v > 0))
            return;
        const bool relative = *rest == L'x' || *rest == L'X';
        m_heights.back() = relative ? m_heights.back() * v : v;
    }
    void stacked() {
        endRun();
        std::wstring arg = argument();
        for (wchar_t& c : arg) {
            if (c == L'^' || c == L'#')
                c = L'/';
        }
        m_text = arg;
        endRun();
    }
    void code() {
        if (m_pos >= m_in.size()) {
            m_text += L'\\';
            return;
        }
        const wchar_t c = m_in[m_pos++];
        switch (c) {
        case L'P':
        case L'N':
            endRun();
            ++m_line;
            return;
        case L'~':
            m_text += L' ';
            return;
        case L'\\':
        case L'{':
        case L'}':
            m_text += c;
            return;
        case L'H':
            endRun();
            height(argument());
            return;
        case L'f':
        case L'F':
        case L'C':
        case L'c':
        case L'W':
        case L'Q':
        case L'T':
        case L'A':
        case L'p':
            endRun();
            argument();
            return;
        case L'L':
        case L'l':
        case L'O':
        case L'o':
        case L'K':
        case L'k':
            endRun();
            return;
        case L'S':
            stacked();
            return;
        default:
            m_text += L'\\';
            m_text += c;
        }
    }

    const std::wstring& m_in;
    std::size_t m_pos = 0;
    std::wstring m_text;
    int m_line = 0;
    std::vector<double> m_heights;
    std::vector<MTextRun> m_runs;
};

} // namespace

std::vector<MTextRun> splitMText(const std::wstring& contents, double baseHeight) {
    return RunSplitter(contents, baseHeight).split();
}

} // namespace hxhost
