// Decoding of catalogue files: byte-order marks, the XML declaration's
// encoding, and conversion to UTF-8 with iconv (which also checks the bytes).
#include "catalogue/CatalogueText.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace hxpeers {
namespace {

std::string upper(std::string text) {
    for (char& c : text)
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

// The value of encoding="..." in a leading XML declaration; empty if none.
std::string declaredEncoding(const std::string& bytes) {
    if (bytes.compare(0, 5, "<?xml") != 0)
        return {};
    const std::string decl = bytes.substr(0, bytes.find("?>"));
    const auto key = decl.find("encoding");
    if (key == std::string::npos)
        return {};
    const auto quote = decl.find_first_of("\"'", key);
    if (quote == std::string::npos)
        return {};
    const auto close = decl.find(decl[quote], quote + 1);
    if (close == std::string::npos)
        return {};
    return decl.substr(quote + 1, close - quote - 1);
}

int lineAt(const std::string& utf8) {
    return 1 + static_cast<int>(std::count(utf8.begin(), utf8.end(), '\n'));
}

// Converts from the iconv encoding `from` to UTF-8; false with the line of
// the first byte that is not text of it.
bool convert(const char* from, const std::string& bytes, std::string& utf8, std::string* error) {
    iconv_t cd = ::iconv_open("UTF-8", from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        *error = "1: expected an encoding this system converts, found " + std::string(from);
        return false;
    }
    std::vector<char> in(bytes.begin(), bytes.end());
    char* inPtr = in.data();
    size_t inLeft = in.size();
    utf8.clear();
    std::vector<char> out(4096);
    bool ok = true;
    while (inLeft > 0 && ok) {
        char* outPtr = out.data();
        size_t outLeft = out.size();
        const size_t rc = ::iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        utf8.append(out.data(), out.size() - outLeft);
        ok = rc != static_cast<size_t>(-1) || errno == E2BIG;
    }
    ::iconv_close(cd);
    if (!ok)
        *error =
            std::to_string(lineAt(utf8)) + ": expected " + from + " text, found bytes that are not";
    return ok;
}

} // namespace

bool decodeCatalogueText(const std::string& bytes, std::string& utf8, std::string* error) {
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return convert("UTF-8", bytes.substr(3), utf8, error);
    if (bytes.compare(0, 2, "\xFF\xFE") == 0)
        return convert("UTF-16LE", bytes.substr(2), utf8, error);
    if (bytes.compare(0, 2, "\xFE\xFF") == 0)
        return convert("UTF-16BE", bytes.substr(2), utf8, error);
    const std::string declared = declaredEncoding(bytes);
    const std::string name = upper(declared);
    if (name.empty() || name == "UTF-8" || name == "UTF8")
        return convert("UTF-8", bytes, utf8, error);
    if (name == "GB2312" || name == "GBK" || name == "GB18030" || name == "CP936")
        return convert("GB18030", bytes, utf8, error);
    *error = "1: expected the encoding UTF-8, UTF-16 (with a byte-order mark), GB2312, GBK or "
             "GB18030, found '" +
             declared + "'";
    return false;
}

} // namespace hxpeers
