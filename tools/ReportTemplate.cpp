// The parts of the default report template, written as one zip package.
#include "ReportTemplate.h"

#include "hxhost/Word.h"

namespace hxwt {
namespace {

const char* const kXmlHead = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n";
const char* const kW = "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"";
const char* const kR =
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
const char* const kWml = "application/vnd.openxmlformats-officedocument.wordprocessingml.";

std::string contentTypes() {
    return std::string(kXmlHead) +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Override PartName=\"/word/document.xml\" ContentType=\"" +
           kWml + "template.main+xml\"/><Override PartName=\"/word/styles.xml\" ContentType=\"" +
           kWml + "styles+xml\"/><Override PartName=\"/word/footer1.xml\" ContentType=\"" + kWml +
           "footer+xml\"/></Types>";
}

std::string relationship(const char* id, const char* type, const char* target) {
    return std::string("<Relationship Id=\"") + id +
           "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/" + type +
           "\" Target=\"" + target + "\"/>";
}

std::string relationships(const std::string& items) {
    return std::string(kXmlHead) +
           "<Relationships "
           "xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">" +
           items + "</Relationships>";
}

std::string style(const char* id, const char* name, const std::string& body) {
    return std::string("<w:style w:type=\"paragraph\" w:styleId=\"") + id + "\"><w:name w:val=\"" +
           name + "\"/>" + body + "</w:style>";
}

std::string styles() {
    return std::string(kXmlHead) + "<w:styles " + kW +
           "><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"Liberation Sans\" "
           "w:hAnsi=\"Liberation Sans\" w:eastAsia=\"SimSun\" w:cs=\"Liberation Sans\"/>"
           "<w:sz w:val=\"21\"/></w:rPr></w:rPrDefault><w:pPrDefault><w:pPr><w:spacing "
           "w:after=\"120\"/></w:pPr></w:pPrDefault></w:docDefaults>" +
           "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\">"
           "<w:name w:val=\"Normal\"/></w:style>" +
           style("Title", "Title",
                 "<w:basedOn w:val=\"Normal\"/><w:pPr><w:jc w:val=\"center\"/><w:spacing "
                 "w:after=\"240\"/></w:pPr><w:rPr><w:b/><w:sz w:val=\"36\"/></w:rPr>") +
           style("Heading1", "heading 1",
                 "<w:basedOn w:val=\"Normal\"/><w:pPr><w:keepNext/><w:spacing w:before=\"240\"/>"
                 "<w:outlineLvl w:val=\"0\"/></w:pPr><w:rPr><w:b/><w:sz w:val=\"26\"/></w:rPr>") +
           style("Footer", "footer",
                 "<w:basedOn w:val=\"Normal\"/><w:pPr><w:jc w:val=\"center\"/>"
                 "</w:pPr><w:rPr><w:sz w:val=\"16\"/></w:rPr>") +
           "</w:styles>";
}

std::string bookmark(int id, const char* name) {
    const std::string n = std::to_string(id);
    return "<w:bookmarkStart w:id=\"" + n + "\" w:name=\"" + name + "\"/><w:bookmarkEnd w:id=\"" +
           n + "\"/>";
}

std::string paragraph(const char* styleId, const char* label, const std::string& inner) {
    std::string p = "<w:p>";
    if (styleId)
        p += std::string("<w:pPr><w:pStyle w:val=\"") + styleId + "\"/></w:pPr>";
    if (label)
        p += std::string("<w:r><w:t xml:space=\"preserve\">") + label + "</w:t></w:r>";
    return p + inner + "</w:p>";
}

std::string document() {
    return std::string(kXmlHead) + "<w:document " + kW + " " + kR + "><w:body>" +
           paragraph("Title", nullptr, bookmark(0, "Title")) +
           paragraph(nullptr, "Drawing: ", bookmark(1, "Drawing")) +
           paragraph(nullptr, "Date: ", bookmark(2, "Date")) +
           paragraph(nullptr, "Network: ", bookmark(3, "Counts")) +
           paragraph("Heading1", "Pipes", "") + paragraph(nullptr, nullptr, bookmark(4, "Pipes")) +
           paragraph("Heading1", "Wells and pools", "") +
           paragraph(nullptr, nullptr, bookmark(5, "Wells")) +
           "<w:sectPr><w:footerReference w:type=\"default\" r:id=\"rId2\"/>"
           "<w:pgSz w:w=\"11906\" w:h=\"16838\"/><w:pgMar w:top=\"1134\" w:right=\"1134\" "
           "w:bottom=\"1134\" w:left=\"1134\" w:header=\"567\" w:footer=\"567\" w:gutter=\"0\"/>"
           "</w:sectPr></w:body></w:document>";
}

std::string footer() {
    return std::string(kXmlHead) + "<w:ftr " + kW + ">" +
           paragraph("Footer", "HxWtUtility pipe network report", "") + "</w:ftr>";
}

} // namespace

bool writeReportTemplate(const std::string& path, std::string* error) {
    const std::vector<hxhost::PackagePart> parts = {
        {"[Content_Types].xml", contentTypes()},
        {"_rels/.rels", relationships(relationship("rId1", "officeDocument", "word/document.xml"))},
        {"word/document.xml", document()},
        {"word/_rels/document.xml.rels",
         relationships(relationship("rId1", "styles", "styles.xml") +
                       relationship("rId2", "footer", "footer1.xml"))},
        {"word/styles.xml", styles()},
        {"word/footer1.xml", footer()},
    };
    return hxhost::writeWordPackage(path, parts, error);
}

} // namespace hxwt
