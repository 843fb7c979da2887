// BufferedOut: text gathered in memory and handed to a stream in large
// pieces, so that a long output (the JSON of a whole-city network, a warning
// for every pipe) costs a few writes of the stream instead of one per field,
// and no string is built per record.
//
// Refers to the stream, which must outlive it; what is still held is written
// by flush() and by the destructor. Write errors stay in the stream's state,
// where the caller checks them as for any other write.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace hxwt {

class BufferedOut {
public:
    explicit BufferedOut(std::ostream& out);
    ~BufferedOut();
    BufferedOut(const BufferedOut&) = delete;
    BufferedOut& operator=(const BufferedOut&) = delete;

    BufferedOut& operator<<(std::string_view text);
    BufferedOut& operator<<(char c);
    BufferedOut& operator<<(long long value); // as std::to_string prints it
    BufferedOut& operator<<(int value) { return *this << static_cast<long long>(value); }
    BufferedOut& operator<<(size_t value) { return *this << static_cast<long long>(value); }
    // value as formatFixed (FixedText.h) prints it.
    BufferedOut& fixed(double value, int decimals);

    // Hands what is held to the stream.
    void flush();

private:
    void spill() {
        if (m_text.size() >= kChunk)
            flush();
    }
    static constexpr size_t kChunk = 1 << 16;

    std::ostream& m_out;
    std::string m_text;
};

} // namespace hxwt
