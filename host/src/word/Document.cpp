// A document made from a template package, and saving it.
#include "Document.h"
#include "Atoms.h"
#include "Utf.h"
#include "WordError.h"

#include <cstring>
#include <filesystem>
#include <sstream>

namespace hxword {
namespace {

const char* const kDocumentTypes[][2] = {
    {"application/vnd.openxmlformats-officedocument.wordprocessingml.template.main+xml",
     "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"},
    {"application/vnd.ms-word.template.macroEnabledTemplate.main+xml",
     "application/vnd.ms-word.document.macroEnabled.main+xml"},
};

constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;

WordError fileNotFound(const std::string& path) {
    return {5174, L"Sorry, we couldn't find your file. Was it moved, renamed, or deleted?\n(" +
                      toWide(path) + L")"};
}

WordError unreadable(const std::string& path) {
    return {5792, L"Word found unreadable content in " + toWide(path) + L"."};
}

std::string serialize(const pugi::xml_document& xml) {
    std::ostringstream out;
    xml.save(out, "", pugi::format_raw | pugi::format_no_declaration);
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n" + out.str();
}

// The main part named by the package relationships, without a leading '/'.
std::string mainPartName(Package& package) {
    std::string* rels = package.find("_rels/.rels");
    pugi::xml_document xml;
    if (!rels || !xml.load_buffer(rels->data(), rels->size()))
        return "";
    for (pugi::xml_node r : xml.child("Relationships").children("Relationship")) {
        std::string type = r.attribute("Type").value();
        if (type.size() >= 15 && type.compare(type.size() - 15, 15, "/officeDocument") == 0) {
            std::string target = r.attribute("Target").value();
            return !target.empty() && target[0] == '/' ? target.substr(1) : target;
        }
    }
    return "";
}

// Makes the main part's content type a document's; false when the package
// does not declare the part.
bool retypeMainPart(Package& package, const std::string& main, bool asTemplate) {
    std::string* types = package.find("[Content_Types].xml");
    pugi::xml_document xml;
    if (!types || !xml.load_buffer(types->data(), types->size(), kParseOptions))
        return false;
    for (pugi::xml_node o : xml.child("Types").children("Override")) {
        if (o.attribute("PartName").value() != "/" + main)
            continue;
        for (const auto& pair : kDocumentTypes)
            if (!asTemplate && std::strcmp(o.attribute("ContentType").value(), pair[0]) == 0)
                o.attribute("ContentType").set_value(pair[1]);
        *types = serialize(xml);
        return true;
    }
    return false;
}

std::filesystem::path canonical(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(path, ec);
    return ec ? std::filesystem::path(path) : p;
}

} // namespace

std::unique_ptr<Document> Document::fromTemplate(const std::string& path, bool asTemplate) {
    auto doc = std::make_unique<Document>();
    std::string error;
    bool missing = false;
    if (!readPackage(path, doc->m_package, &error, &missing))
        throw missing ? fileNotFound(path) : unreadable(path);
    doc->m_mainPart = mainPartName(doc->m_package);
    if (doc->m_mainPart.empty() || !retypeMainPart(doc->m_package, doc->m_mainPart, asTemplate) ||
        !doc->load(&error))
        throw unreadable(path);
    doc->m_templatePath = path;
    return doc;
}

bool Document::load(std::string* error) {
    std::string* main = m_package.find(m_mainPart);
    if (!main)
        return *error = "no main part", false;
    pugi::xml_parse_result r = m_xml.load_buffer(main->data(), main->size(), kParseOptions);
    if (!r)
        return *error = r.description(), false;
    return bodyOf(m_xml) ? true : (*error = "no body", false);
}

void Document::saveAs(const std::string& path) {
    if (canonical(path) == canonical(m_templatePath))
        throw WordError{5356,
                        L"Word cannot save this file because it is already open elsewhere.\n(" +
                            toWide(path) + L")"};
    m_package.put(m_mainPart, serialize(m_xml));
    std::string error;
    if (!hxhost::writeWordPackage(path, m_package.parts, &error))
        throw WordError{5152, L"Word cannot save or create this file. (" + toWide(error) + L")"};
}

} // namespace hxword
