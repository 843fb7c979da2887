// iconv-backed conversions between wchar_t text and 8-bit character sets.
#include "text/IconvCodec.h"

#include <cerrno>
#include <iconv.h>
#include <map>
#include <mutex>
#include <utility>

namespace hxhost::detail {
namespace {

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
const char* const kWide = "WCHAR_T";

// Open descriptors by (target, source) name; closed when the process ends.
class ConverterCache {
public:
    ~ConverterCache() {
        for (auto& entry : m_converters) {
            if (entry.second != kNoConverter)
                iconv_close(entry.second);
        }
    }

    std::mutex& mutex() { return m_mutex; }

    // Caller holds mutex(). kNoConverter when iconv knows neither name.
    iconv_t get(const std::string& to, const std::string& from) {
        auto key = std::make_pair(to, from);
        auto it = m_converters.find(key);
        if (it == m_converters.end())
            it = m_converters.emplace(key, iconv_open(to.c_str(), from.c_str())).first;
        else
            iconv(it->second, nullptr, nullptr, nullptr, nullptr); // back to the initial state
        return it->second;
    }

private:
    std::mutex m_mutex;
    std::map<std::pair<std::string, std::string>, iconv_t> m_converters;
};

ConverterCache& cache() {
    static ConverterCache s_cache;
    return s_cache;
}

// Runs one iconv pass, growing `out` as needed. Returns 0 when all input was
// taken, or the errno of the character that stopped it (EILSEQ, EINVAL).
template <class Buffer> int pump(iconv_t cd, char*& in, std::size_t& inLeft, Buffer& out) {
    typedef typename Buffer::value_type Unit;
    for (;;) {
        std::size_t used = out.size();
        out.resize(used + inLeft + 16);
        char* outPtr = reinterpret_cast<char*>(&out[used]);
        std::size_t outLeft = (out.size() - used) * sizeof(Unit);
        std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        int error = rc == static_cast<std::size_t>(-1) ? errno : 0;
        out.resize(out.size() - outLeft / sizeof(Unit));
        if (error == E2BIG)
            continue;
        if (error != 0)
            return error;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        return 0;
    }
}

} // namespace

CodecStatus encodeWide(const std::string& charset, const wchar_t* text, std::size_t length,
                       const std::string& replacement, bool failOnInvalid, std::string& out,
                       bool& replaced) {
    std::lock_guard<std::mutex> lock(cache().mutex());
    iconv_t cd = cache().get(charset, kWide);
    if (cd == kNoConverter)
        return CodecStatus::UnknownCharset;
    out.clear();
    replaced = false;
    char* in = reinterpret_cast<char*>(const_cast<wchar_t*>(text));
    std::size_t inLeft = length * sizeof(wchar_t);
    while (pump(cd, in, inLeft, out) != 0) {
        if (failOnInvalid)
            return CodecStatus::InvalidInput;
        out += replacement;
        replaced = true;
        in += sizeof(wchar_t);
        inLeft -= sizeof(wchar_t);
    }
    return CodecStatus::Ok;
}

CodecStatus decodeBytes(const std::string& charset, const char* bytes, std::size_t length,
                        wchar_t replacement, bool failOnInvalid, std::wstring& out) {
    std::lock_guard<std::mutex> lock(cache().mutex());
    iconv_t cd = cache().get(kWide, charset);
    if (cd == kNoConverter)
        return CodecStatus::UnknownCharset;
    out.clear();
    char* in = const_cast<char*>(bytes);
    std::size_t inLeft = length;
    while (pump(cd, in, inLeft, out) != 0) {
        if (failOnInvalid)
            return CodecStatus::InvalidInput;
        out += replacement;
        ++in;
        --inLeft;
    }
    return CodecStatus::Ok;
}

} // namespace hxhost::detail
