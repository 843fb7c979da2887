// Catalogue files as UTF-8 text: the bytes of a file decoded by its byte-order
// mark or its XML encoding declaration.
#pragma once

#include <string>

namespace hxpeers {

// Decodes bytes (UTF-8, UTF-16 with a byte-order mark, or GB2312, GBK and
// GB18030 as declared) into utf8. False with the reason ("LINE: expected
// ..., found ...") in *error for an unsupported encoding or bytes that are not
// text of it.
bool decodeCatalogueText(const std::string& bytes, std::string& utf8, std::string* error);

} // namespace hxpeers
