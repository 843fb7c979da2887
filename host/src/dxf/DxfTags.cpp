// The tag layer of ASCII DXF: reading and writing (group code, value) pairs.
#include "dxf/DxfTags.h"

#include "dxf/DxfText.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <type_traits>

namespace hxhost {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// s without its leading and trailing blanks and tabs (tested in place: the
// library's set search costs a call per character).
std::string_view trimmed(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b != e && isBlank(s[b]))
        ++b;
    while (e != b && isBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

// The same, as a string for the C library's readers.
std::string trim(std::string_view s) {
    return std::string(trimmed(s));
}

// The common case of a number, parsed in place: the whole of s in the plain
// form from_chars reads. False sends the caller to the library's full reader,
// which accepts more forms (a leading '+', hexadecimal, ...) and decides.
template <class T> bool fastNumber(std::string_view s, T& value, int base = 10) {
    const char* end = s.data() + s.size();
    std::from_chars_result r;
    if constexpr (std::is_floating_point_v<T>) {
        (void)base;
        r = std::from_chars(s.data(), end, value);
    } else {
        r = std::from_chars(s.data(), end, value, base);
    }
    return !s.empty() && r.ec == std::errc() && r.ptr == end;
}

// A decimal as files write numbers (an optional '-', digits with an optional
// point, no exponent) of at most 15 digits, read exactly: the digits as a
// whole number over a power of ten, both exact doubles, so the one division
// rounds as the full reader does. False for anything else.
bool plainDecimal(std::string_view s, double& value) {
    static constexpr double kTens[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const char* p = s.data();
    const char* const end = p + s.size();
    const bool negative = p != end && *p == '-';
    p += negative ? 1 : 0;
    std::uint64_t digits = 0;
    int count = 0;
    int decimals = -1; // digits after the point; -1 before it
    for (; p != end; ++p) {
        if (*p == '.' && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (*p < '0' || *p > '9' || count == 15)
            return false;
        digits = digits * 10 + static_cast<std::uint64_t>(*p - '0');
        ++count;
        decimals += decimals >= 0 ? 1 : 0;
    }
    if (count == 0)
        return false;
    const double magnitude = static_cast<double>(digits) / kTens[decimals > 0 ? decimals : 0];
    value = negative ? -magnitude : magnitude;
    return true;
}

// A group code of one to six plain digits, the form files have; false
// sends the caller to the general readers.
bool plainCode(std::string_view s, long& value) {
    if (s.empty() || s.size() > 6)
        return false;
    long v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
    }
    value = v;
    return true;
}

// The first '\n' from p on (end when none). Lines of a drawing are short:
// eight bytes are tested at a time, without a library call per line.
const char* lineEnd(const char* p, const char* end) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kHigh = 0x8080808080808080ULL;
    constexpr std::uint64_t kNewlines = 0x0A0A0A0A0A0A0A0AULL;
    for (; end - p >= 8; p += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, p, sizeof word);
        const std::uint64_t x = word ^ kNewlines; // a zero byte where a '\n' is
        const std::uint64_t found = (x - kOnes) & ~x & kHigh;
        if (found != 0)
            return p + (__builtin_ctzll(found) >> 3); // the lowest hit is exact
    }
#endif
    while (p != end && *p != '\n')
        ++p;
    return p;
}

// The group code line as files write it (blanks, one to six digits, a line
// end) read at p in one pass: its value and where the next line starts.
// False for any other form, which the general reader then decides.
bool quickCode(const char* p, const char* end, int& code, const char*& next) {
    while (p != end && *p == ' ')
        ++p;
    const char* const digits = p;
    int v = 0;
    while (p != end && *p >= '0' && *p <= '9' && p - digits < 6)
        v = v * 10 + (*p++ - '0');
    if (p == digits || p == end || v > 32767)
        return false;
    if (*p == '\r')
        ++p;
    if (p == end || *p != '\n')
        return false;
    code = v;
    next = p + 1;
    return true;
}

} // namespace

namespace {

// Appends value as printf's %.15g prints it, when 15 digits read back to it:
// the shortest digits that read back (to_chars without a precision) are then
// the 15-digit rounding with its trailing zeros gone, laid out here as %g lays
// them out (fixed for exponents -4 to 14, else d.ddde+XX), with ".0" after a
// whole number as appendReal writes it. False, nothing
// appended, when the value needs 16 or 17 digits, is subnormal or is not
// finite.
bool appendShortReal(std::string& out, double value) {
    if (value != 0.0 && std::fabs(value) < std::numeric_limits<double>::min())
        return false; // subnormal: 15 digits may read back where fewer are shortest
    char sci[40];
    const char* const end =
        std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific).ptr;
    const char* p = sci;
    const bool negative = *p == '-';
    p += negative ? 1 : 0;
    char digits[20];
    int count = 0;
    for (; p != end && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            digits[count++] = *p;
        if (count > 15)
            return false;
    }
    int exponent = 0;
    if (p == end || std::from_chars(p + (p[1] == '+' ? 2 : 1), end, exponent).ec != std::errc())
        return false; // inf, nan
    if (negative)
        out += '-';
    if (exponent < -4 || exponent >= 15) {
        out += digits[0];
        if (count > 1) {
            out += '.';
            out.append(digits + 1, static_cast<std::size_t>(count - 1));
        }
        out += exponent < 0 ? "e-" : "e+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            out += '0';
        char buf[8];
        out.append(buf, std::to_chars(buf, buf + sizeof buf, magnitude).ptr);
        return true;
    }
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits, static_cast<std::size_t>(count));
        return true;
    }
    const int whole = exponent + 1; // digits before the point
    out.append(digits, static_cast<std::size_t>(std::min(count, whole)));
    if (count < whole)
        out.append(static_cast<std::size_t>(whole - count), '0');
    if (count > whole) {
        out += '.';
        out.append(digits + whole, static_cast<std::size_t>(count - whole));
    } else {
        out.append(".0"); // a whole number is marked as a real
    }
    return true;
}

// Appends a whole value below 10^15 as %.15g prints it (all its digits,
// fixed) and the ".0" that marks it as a real; false for other values.
bool appendWholeReal(std::string& out, double value) {
    if (!(std::fabs(value) < 1e15) || value != std::trunc(value))
        return false;
    if (value == 0.0 && std::signbit(value)) {
        out.append("-0.0");
        return true;
    }
    char buf[24];
    out.append(buf, std::to_chars(buf, buf + sizeof buf, static_cast<long long>(value)).ptr);
    out.append(".0");
    return true;
}

// Appends a value of one to four decimals (at most 15 digits, from 10^-4 up)
// as %.15g prints it: the fewest decimals k whose digits m read back (m /
// 10^k, both exact, rounds to the value) are then the value's 15-digit
// rounding, without trailing zeros as k is the fewest. False for other values
// (whole ones included).
bool appendDecimalReal(std::string& out, double value) {
    static constexpr double kTens[] = {1e1, 1e2, 1e3, 1e4};
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < 1e11))
        return false;
    for (int k = 1; k <= 4; ++k) {
        const double scaled = std::nearbyint(magnitude * kTens[k - 1]);
        if (scaled >= 1e15 || scaled / kTens[k - 1] != magnitude)
            continue;
        char buf[24];
        char* const end = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(scaled)).ptr;
        const int n = static_cast<int>(end - buf);
        if (value < 0)
            out += '-';
        if (n <= k) {
            out.append("0.");
            out.append(static_cast<std::size_t>(k - n), '0');
            out.append(buf, end);
        } else {
            out.append(buf, end - k);
            out += '.';
            out.append(end - k, end);
        }
        return true;
    }
    return false;
}

} // namespace

void appendReal(std::string& out, double value) {
    if (appendWholeReal(out, value) || appendDecimalReal(out, value) || appendShortReal(out, value))
        return;
    // to_chars with a precision prints as printf's %.*g does.
    char buf[48];
    char* end = buf;
    for (int digits = 15; digits <= 17; ++digits) {
        end =
            std::to_chars(buf, buf + sizeof buf - 1, value, std::chars_format::general, digits).ptr;
        double back = 0.0;
        if (std::from_chars(buf, end, back).ec != std::errc()) {
            *end = '\0';
            back = std::strtod(buf, nullptr); // out of from_chars' range: subnormal, ...
        }
        if (back == value)
            break;
    }
    const std::string_view text(buf, static_cast<std::size_t>(end - buf));
    out.append(text);
    if (text.find_first_of(".eEn") == std::string_view::npos)
        out.append(".0");
}

std::string formatReal(double value) {
    std::string s;
    appendReal(s, value);
    return s;
}

std::string quoteValue(std::string_view value) {
    std::string shown;
    for (char c : value.substr(0, 40))
        shown += (static_cast<unsigned char>(c) < 0x20) ? '?' : c;
    if (value.size() > 40)
        shown += "...";
    return "'" + shown + "'";
}

DxfTagReader::DxfTagReader(std::string_view text, std::string fileName, int firstLine)
    : m_text(text), m_fileName(std::move(fileName)), m_line(firstLine - 1) {}

void DxfTagReader::reset(std::string_view text, int firstLine) {
    m_text = text;
    m_pos = 0;
    m_line = firstLine - 1;
    m_loaded = false;
}

bool DxfTagReader::readLine(std::string_view& line) {
    if (m_pos >= m_text.size())
        return false;
    const char* const text = m_text.data();
    const std::size_t end =
        static_cast<std::size_t>(lineEnd(text + m_pos, text + m_text.size()) - text);
    line = m_text.substr(m_pos, end - m_pos);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
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
    m_tagStart = m_pos;
    const char* const base = m_text.data();
    const char* next = nullptr;
    if (m_pos < m_text.size() && quickCode(base + m_pos, base + m_text.size(), m_tag.code, next)) {
        m_pos = static_cast<std::size_t>(next - base);
        m_tag.line = ++m_line;
        if (readLine(m_tag.value)) {
            m_loaded = true;
            return;
        }
        m_pos = m_tagStart; // no value line: the general reader says so
        --m_line;
    }
    std::string_view codeLine;
    if (!readLine(codeLine))
        failAt(m_line + 1, "expected a group code, found the end of the file");
    const std::string_view code = trimmed(codeLine);
    long value = 0;
    if (!plainCode(code, value) && !fastNumber(code, value)) {
        const std::string text(code);
        char* end = nullptr;
        errno = 0;
        value = std::strtol(text.c_str(), &end, 10);
        if (text.empty() || *end != 0 || errno != 0)
            value = 100000; // out of range below
    }
    if (value < -32768 || value > 32767)
        failAt(m_line, "expected a group code, found " + quoteValue(codeLine));
    m_tag.code = static_cast<int>(value);
    m_tag.line = m_line;
    if (!readLine(m_tag.value))
        failAt(m_line + 1, "expected the value of group code " + std::string(code) +
                               ", found the end of the file");
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
    for (std::size_t i = m_pos; i < m_text.size(); ++i) {
        const char c = m_text[i];
        if (!isBlank(c) && c != '\r' && c != '\n')
            return false;
    }
    return true;
}

void DxfTagReader::expect(int code, std::string_view value) {
    const DxfTag tag = next();
    if (tag.code != code || trimmed(tag.value) != value)
        fail(tag, "group code " + std::to_string(code) + " '" + std::string(value) + "'");
}

double DxfTagReader::real(const DxfTag& tag) const {
    double fast = 0.0;
    const std::string_view text = trimmed(tag.value);
    if (plainDecimal(text, fast) || (fastNumber(text, fast) && std::isfinite(fast)))
        return fast;
    const std::string s = trim(tag.value);
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (s.empty() || *end != 0 || !std::isfinite(v))
        fail(tag, "a number for group code " + std::to_string(tag.code));
    return v;
}

long long DxfTagReader::integer(const DxfTag& tag) const {
    long long fast = 0;
    if (fastNumber(trimmed(tag.value), fast))
        return fast;
    const std::string s = trim(tag.value);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(s.c_str(), &end, 10);
    if (s.empty() || *end != 0 || errno != 0)
        fail(tag, "an integer for group code " + std::to_string(tag.code));
    return v;
}

unsigned long long DxfTagReader::handle(const DxfTag& tag) const {
    unsigned long long fast = 0;
    const std::string_view hex = trimmed(tag.value);
    if (hex.size() <= 16 && fastNumber(hex, fast, 16))
        return fast;
    const std::string s = trim(tag.value);
    char* end = nullptr;
    errno = 0;
    const unsigned long long v = std::strtoull(s.c_str(), &end, 16);
    if (s.empty() || s.size() > 16 || *end != 0 || errno != 0 || s[0] == '-' || s[0] == '+')
        fail(tag, "a hexadecimal handle for group code " + std::to_string(tag.code));
    return v;
}

void DxfTagWriter::codeLine(int code) {
    // Right-aligned in three columns, as %3d, written backwards from the line
    // end in one append.
    char buf[16];
    char* const end = buf + sizeof buf;
    char* p = end;
    *--p = '\n';
    unsigned magnitude = static_cast<unsigned>(code < 0 ? -code : code);
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (code < 0)
        *--p = '-';
    while (end - p < 4)
        *--p = ' ';
    m_out.append(p, end);
}

void DxfTagWriter::tag(int code, std::string_view value) {
    codeLine(code);
    m_out.append(value);
    m_out += '\n';
}

void DxfTagWriter::text(int code, std::wstring_view value) {
    codeLine(code);
    appendDxfText(m_out, value);
    m_out += '\n';
}

void DxfTagWriter::real(int code, double value) {
    codeLine(code);
    appendReal(m_out, value);
    m_out += '\n';
}

void DxfTagWriter::integer(int code, long long value) {
    codeLine(code);
    char buf[24];
    m_out.append(buf, std::to_chars(buf, buf + sizeof buf, value).ptr);
    m_out += '\n';
}

void appendHex(std::string& out, unsigned long long value) {
    char buf[20];
    char* end = std::to_chars(buf, buf + sizeof buf, value, 16).ptr;
    for (char* c = buf; c != end; ++c)
        *c = (*c >= 'a') ? static_cast<char>(*c - 'a' + 'A') : *c;
    out.append(buf, end);
}

std::string dxfHex(unsigned long long value) {
    std::string s;
    appendHex(s, value);
    return s;
}

std::string dxfAscii(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text)
        out += static_cast<unsigned>(c) < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

void DxfTagWriter::handle(int code, unsigned long long value) {
    codeLine(code);
    appendHex(m_out, value);
    m_out += '\n';
}

void DxfTagWriter::point(int code, double x, double y, double z) {
    real(code, x);
    real(code + 10, y);
    real(code + 20, z);
}

} // namespace hxhost
