// Host-internal: text conversion between wide characters and a named 8-bit
// character set, through glibc's iconv. Used by the Windows conversion
// functions and the string class.
//
// Converters are opened once per character set and direction and kept for
// the process (opening one loads a converter module); a mutex serialises
// their use, since an iconv descriptor carries state.
#pragma once

#include <cstddef>
#include <string>

namespace hxhost::detail {

enum class CodecStatus {
    Ok,
    UnknownCharset, // iconv does not know the character set
    InvalidInput,   // an unconvertible character while failOnInvalid was set
};

// Encodes `length` wide characters (embedded zeros included) into `charset`.
// A character the charset cannot hold becomes `replacement` (and `replaced` is
// set), or ends the conversion with InvalidInput when failOnInvalid is set.
CodecStatus encodeWide(const std::string& charset, const wchar_t* text, std::size_t length,
                       const std::string& replacement, bool failOnInvalid, std::string& out,
                       bool& replaced);

// Decodes `length` bytes of `charset` into wide characters. An invalid or
// truncated byte sequence becomes `replacement`, one per byte skipped, or ends
// the conversion with InvalidInput when failOnInvalid is set.
CodecStatus decodeBytes(const std::string& charset, const char* bytes, std::size_t length,
                        wchar_t replacement, bool failOnInvalid, std::wstring& out);

} // namespace hxhost::detail
