// Output gathered into large writes.
#include "BufferedOut.h"

#include <charconv>

#include "FixedText.h"

namespace hxwt {

BufferedOut::BufferedOut(std::ostream& out) : m_out(out) {
    m_text.reserve(kChunk + kFixedTextSize);
}

BufferedOut::~BufferedOut() {
    flush();
}

BufferedOut& BufferedOut::operator<<(std::string_view text) {
    m_text.append(text.data(), text.size());
    spill();
    return *this;
}

BufferedOut& BufferedOut::operator<<(char c) {
    m_text.push_back(c);
    spill();
    return *this;
}

BufferedOut& BufferedOut::operator<<(long long value) {
    char buf[24];
    const std::to_chars_result r = std::to_chars(buf, buf + sizeof buf, value);
    m_text.append(buf, static_cast<size_t>(r.ptr - buf));
    spill();
    return *this;
}

BufferedOut& BufferedOut::fixed(double value, int decimals) {
    char buf[kFixedTextSize];
    m_text.append(buf, writeFixed(value, decimals, buf));
    spill();
    return *this;
}

void BufferedOut::flush() {
    if (m_text.empty())
        return;
    m_out.write(m_text.data(), static_cast<std::streamsize>(m_text.size()));
    m_text.clear();
}

} // namespace hxwt
