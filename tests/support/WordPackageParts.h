// The parts around a template's main part, for tests and fuzz harnesses that
// package WordprocessingML of their own: the content types (with or without
// a footer part) and the package relationships. Header-only.
#pragma once

#include <string>

namespace hxtestword {

// [Content_Types].xml of a template whose main part is word/document.xml,
// declaring word/footer1.xml too when withFooter.
inline std::string contentTypes(bool withFooter) {
    std::string types =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Types "
        "xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\"><Default "
        "Extension=\"rels\" "
        "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/><Override "
        "PartName=\"/word/document.xml\" ContentType=\"application/"
        "vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml\"/>";
    if (withFooter)
        types += "<Override PartName=\"/word/footer1.xml\" ContentType=\"application/"
                 "vnd.openxmlformats-officedocument.wordprocessingml.footer+xml\"/>";
    return types + "</Types>";
}

// _rels/.rels pointing at word/document.xml.
inline const char* packageRels() {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\"><Relationship "
           "Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
           "relationships/officeDocument\" Target=\"word/document.xml\"/></Relationships>";
}

} // namespace hxtestword
