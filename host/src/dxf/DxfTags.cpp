// The tag layer of ASCII DXF: reading and writing (group code, value) pairs.
#include "dxf/DxfTags.h"

#include "dxf/DxfText.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace hxhost {
namespace {

std::string trim(const std::string& s) {
    const std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return {};
    const std::size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

} // namespace

std::string formatReal(double value) {
    char buf[40];
    for (int digits = 15; digits <= 17; ++digits) {
        std::snprintf(buf, sizeof buf, "%.*g", digits, value);
        if (std::strtod(buf, nullptr) == value)
            break;
    }
    std::string s = buf;
    if (s.find_first_of(".eEn") == std::string::npos)
        s += ".0";
    return s;
}

std::string quoteValue(const std::string& value) {
    std::string shown;
    for (char c : value.substr(0, 40))
        shown += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
    if (value.size() > 40)
        shown += "...";
    return "'" + shown + "'";
}

DxfTagReader::DxfTagReader(const std::string& text, std::string fileName)
    : m_text(text), m_fileName(std::move(fileName)) {}

bool DxfTagReader::readLine(std::string& line) {
    if (m_pos >= m_text.size())
        return false;
    std::size_t end = m_text.find('\n', m_pos);
    if (end == std::string::npos)
        end = m_text.size();
    line = m_text.substr(m_pos, end - m_pos);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    m_pos = end + 1;
    ++m_line;
    return true;
}

void DxfTagReader::failAt(int line, const std::string& message) const {
    throw DxfError(m_fileName + ":" + std::to_string(line) + ": " + message);
}

void DxfTagReader::fail(const DxfTag& at, const std::string& what) const {
    failAt(at.line, "expected " + what + ", found group code " + std::to_string(at.code) + " " +
                        quoteValue(at.value));
}

void DxfTagReader::load() {
    if (m_loaded)
        return;
    std::string codeLine;
    if (!readLine(codeLine))
        failAt(m_line + 1, "expected a group code, found the end of the file");
    const std::string code = trim(codeLine);
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(code.c_str(), &end, 10);
    if (code.empty() || *end != 0 || errno != 0 || value < -32768 || value > 32767)
        failAt(m_line, "expected a group code, found " + quoteValue(codeLine));
    m_tag.code = static_cast<int>(value);
    m_tag.line = m_line;
    if (!readLine(m_tag.value))
        failAt(m_line + 1,
               "expected the value of group code " + code + ", found the end of the file");
    m_loaded = true;
}

const DxfTag& DxfTagReader::peek() {
    load();
    return m_tag;
}

DxfTag DxfTagReader::next() {
    load();
    m_loaded = false;
    return m_tag;
}

bool DxfTagReader::atEnd() {
    if (m_loaded)
        return false;
    return m_text.find_first_not_of(" \t\r\n", m_pos) == std::string::npos;
}

void DxfTagReader::expect(int code, const std::string& value) {
    const DxfTag tag = next();
    if (tag.code != code || trim(tag.value) != value)
        fail(tag, "group code " + std::to_string(code) + " '" + value + "'");
}

double DxfTagReader::real(const DxfTag& tag) const {
    const std::string s = trim(tag.value);
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != 0 || !std::isfinite(v))
        fail(tag, "a number for group code " + std::to_string(tag.code));
    return v;
}

long long DxfTagReader::integer(const DxfTag& tag) const {
    const std::string s = trim(tag.value);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (s.empty() || *end != 0 || errno != 0)
        fail(tag, "an integer for group code " + std::to_string(tag.code));
    return v;
}

unsigned long long DxfTagReader::handle(const DxfTag& tag) const {
    const std::string s = trim(tag.value);
    char* end = nullptr;
    errno = 0;
    const unsigned long long v = std::strtoull(s.c_str(), &end, 16);
    if (s.empty() || s.size() > 16 || *end != 0 || errno != 0 || s[0] == '-' || s[0] == '+')
        fail(tag, "a hexadecimal handle for group code " + std::to_string(tag.code));
    return v;
}

void DxfTagWriter::tag(int code, const std::string& value) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%3d\n", code);
    m_out += buf;
    m_out += value;
    m_out += '\n';
}

void DxfTagWriter::text(int code, const std::wstring& value) {
    tag(code, encodeDxfText(value));
}

void DxfTagWriter::real(int code, double value) {
    tag(code, formatReal(value));
}

void DxfTagWriter::integer(int code, long long value) {
    tag(code, std::to_string(value));
}

std::string dxfHex(unsigned long long value) {
    char buf[20];
    std::snprintf(buf, sizeof buf, "%llX", value);
    return buf;
}

std::string dxfAscii(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += static_cast<unsigned>(c) < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

void DxfTagWriter::handle(int code, unsigned long long value) {
    tag(code, dxfHex(value));
}

void DxfTagWriter::point(int code, double x, double y, double z) {
    real(code, x);
    real(code + 10, y);
    real(code + 20, z);
}

} // namespace hxhost
