// Host-internal: the tag layer of ASCII DXF files. A file is a sequence of
// (group code, value) pairs, each on two lines. DxfTagReader walks the pairs
// of a file held in memory, knowing the file's name and each pair's line;
// DxfTagWriter writes pairs. Neither knows what the pairs mean (that is the
// mapping's business, DxfRead*/DxfWrite*).
//
// Errors are thrown as DxfError with the text "FILE:LINE: expected ..., found
// ..." and caught where a file operation starts (DxfFiles.cpp).
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace hxhost {

class DxfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file of a version that is not read here.
class DxfVersionError : public DxfError {
public:
    using DxfError::DxfError;
};

// A handle as DXF writes it: upper-case hex without leading zeros.
std::string dxfHex(unsigned long long value);
void appendHex(std::string& out, unsigned long long value);
// Wide text for messages and internal keys: ASCII kept, anything else '?'.
std::string dxfAscii(const std::wstring& text);

// A view of one pair in the text being read: valid while that text lives.
struct DxfTag {
    int code = 0;
    std::string_view value; // the value line, without its line end
    int line = 0;           // 1-based line of the group code
};

class DxfTagReader {
public:
    // Reads from text (a view: the text outlives the reader and its tags);
    // fileName names the file in messages; firstLine is the line the text
    // starts on in that file.
    DxfTagReader(std::string_view text, std::string fileName, int firstLine = 1);
    // Goes on reading another part of the same file.
    void reset(std::string_view text, int firstLine);

    // The next pair without consuming it; throws at a malformed pair or at the
    // end of the text ("expected a group code, found the end of the file").
    const DxfTag& peek();
    // The next pair, consumed.
    DxfTag next();
    // True when no text is left (blank trailing lines ignored).
    bool atEnd();

    // Throws "FILE:LINE: expected WHAT, found FOUND" at the tag's line.
    [[noreturn]] void fail(const DxfTag& at, const std::string& what) const;
    [[noreturn]] void failAt(int line, const std::string& message) const;
    // Consumes the next pair, which must be (code, value); throws otherwise.
    void expect(int code, std::string_view value);
    const std::string& fileName() const { return m_fileName; }

    // Parsing of values; throw with the tag's line when the value is not one.
    double real(const DxfTag& tag) const;
    long long integer(const DxfTag& tag) const;
    unsigned long long handle(const DxfTag& tag) const;

    // The offset in the text where the next unconsumed pair starts.
    std::size_t offset() const { return m_loaded ? m_tagStart : m_pos; }
    // The line of the next unconsumed pair.
    int nextLine() const { return m_loaded ? m_tag.line : m_line + 1; }

private:
    bool readLine(std::string_view& line);
    void load();

    std::string_view m_text;
    std::string m_fileName;
    std::size_t m_pos = 0;
    std::size_t m_tagStart = 0; // where the loaded pair starts
    int m_line = 0;
    bool m_loaded = false;
    DxfTag m_tag;
};

class DxfTagWriter {
public:
    void tag(int code, std::string_view value);
    void text(int code, std::wstring_view value);
    void real(int code, double value);
    void integer(int code, long long value);
    void handle(int code, unsigned long long value);
    // Codes code, code+10, code+20 with the three coordinates.
    void point(int code, double x, double y, double z);
    const std::string& str() const { return m_out; }
    std::string& str() { return m_out; }

private:
    void codeLine(int code);
    std::string m_out;
};

// The shortest decimal text that reads back to the same double.
std::string formatReal(double value);
void appendReal(std::string& out, double value);
// A quoted, cut and printable form of a value for messages.
std::string quoteValue(std::string_view value);

} // namespace hxhost
