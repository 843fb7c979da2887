// Templates for the Word tests, written through the host's package writer.
#include "WordTemplates.h"

#include "WordPackageParts.h"
#include "hxhost/Word.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <unistd.h>
#include <zip.h>

namespace {

const char* const kFooter =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:ftr "
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:p><w:r><w:t>"
    "kept footer</w:t></w:r></w:p></w:ftr>";

} // namespace

std::string tempPath(const std::string& name) {
    return "/tmp/hxwt-test-" + std::to_string(getpid()) + "-" + name;
}

TestTemplate::TestTemplate(const std::string& name, const std::string& body)
    : m_path(tempPath(name)) {
    const std::string document =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><w:document "
        "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\"><w:body>" +
        body + "</w:body></w:document>";
    std::string error;
    hxhost::writeWordPackage(m_path,
                             {{"[Content_Types].xml", hxtestword::contentTypes(true)},
                              {"_rels/.rels", hxtestword::packageRels()},
                              {"word/document.xml", document},
                              {"word/footer1.xml", kFooter}},
                             &error);
}

TestTemplate::~TestTemplate() {
    std::remove(m_path.c_str());
}

std::string para(const std::string& text, const std::string& mark, int id) {
    const std::string n = std::to_string(id);
    const std::string run =
        text.empty() ? "" : "<w:r><w:t xml:space=\"preserve\">" + text + "</w:t></w:r>";
    if (mark.empty())
        return "<w:p>" + run + "</w:p>";
    return "<w:p><w:bookmarkStart w:id=\"" + n + "\" w:name=\"" + mark + "\"/>" + run +
           "<w:bookmarkEnd w:id=\"" + n + "\"/></w:p>";
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string documentXml(const std::string& docxPath) {
    int code = 0;
    zip_t* za = zip_open(docxPath.c_str(), ZIP_RDONLY, &code);
    if (!za)
        return "";
    std::string text;
    zip_stat_t st;
    if (zip_stat(za, "word/document.xml", 0, &st) == 0) {
        zip_file_t* f = zip_fopen(za, "word/document.xml", 0);
        text.resize(st.size);
        if (f && zip_fread(f, &text[0], st.size) != zip_int64_t(st.size))
            text.clear();
        if (f)
            zip_fclose(f);
    }
    zip_discard(za);
    return text;
}
