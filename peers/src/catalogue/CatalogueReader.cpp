// Catalogue documents: the element tree checked and turned into items.
#include "catalogue/CatalogueReader.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>

namespace hxpeers {
namespace {

constexpr const char* kRoot = "DwgLib";
constexpr const char* kDirectory = "Directory";
constexpr const char* kItem = "Item";
constexpr const char* kDataFile = "datafile";

class ItemCollector {
public:
    ItemCollector(const std::string& text, CatalogueItemList& items, std::string* error)
        : m_text(text), m_items(items), m_error(error) {}

    bool collect(const pugi::xml_node& parent) {
        for (const pugi::xml_node& node : parent.children()) {
            if (node.type() != pugi::node_element)
                continue;
            if (std::strcmp(node.name(), kDirectory) == 0) {
                if (!collect(node))
                    return false;
            } else if (std::strcmp(node.name(), kItem) == 0) {
                if (!item(node))
                    return false;
            } else {
                return fail(node, "<Directory> or <Item>", std::string("<") + node.name() + ">");
            }
        }
        return true;
    }

    int lineAt(std::ptrdiff_t offset) const {
        const auto end = m_text.begin() + std::clamp<std::ptrdiff_t>(offset, 0, m_text.size());
        return 1 + static_cast<int>(std::count(m_text.begin(), end, '\n'));
    }

    bool fail(const pugi::xml_node& node, const std::string& expected, const std::string& found) {
        *m_error = std::to_string(lineAt(node.offset_debug())) + ": expected " + expected +
                   ", found " + found;
        return false;
    }

private:
    bool item(const pugi::xml_node& node) {
        for (const pugi::xml_node& child : node.children()) {
            if (child.type() == pugi::node_element)
                return fail(child, "the end of <Item>", std::string("<") + child.name() + ">");
        }
        auto entry = std::make_unique<HxDtLibItem>();
        for (const pugi::xml_attribute& attribute : node.attributes()) {
            const std::wstring value = pugi::as_wide(attribute.value());
            if (std::strcmp(attribute.name(), kDataFile) == 0)
                entry->SetDataFile(value.c_str());
            else
                entry->SetAttributeValue(pugi::as_wide(attribute.name()).c_str(), value.c_str());
        }
        m_items.push_back(std::move(entry));
        return true;
    }

    const std::string& m_text;
    CatalogueItemList& m_items;
    std::string* m_error;
};

} // namespace

bool readCatalogueItems(const std::string& utf8, CatalogueItemList& items, std::string* error) {
    items.clear();
    pugi::xml_document doc;
    const pugi::xml_parse_result parsed =
        doc.load_buffer(utf8.data(), utf8.size(), pugi::parse_default, pugi::encoding_utf8);
    ItemCollector collector(utf8, items, error);
    if (parsed.status == pugi::status_no_document_element) {
        *error = std::to_string(collector.lineAt(parsed.offset)) +
                 ": expected a catalogue (<DwgLib>), found no element";
        return false;
    }
    if (!parsed) {
        *error = std::to_string(collector.lineAt(parsed.offset)) +
                 ": expected well-formed XML, found " + parsed.description();
        return false;
    }
    const pugi::xml_node root = doc.document_element();
    if (std::strcmp(root.name(), kRoot) != 0)
        return collector.fail(root, "the root element <DwgLib>",
                              std::string("<") + root.name() + ">");
    if (collector.collect(root))
        return true;
    items.clear();
    return false;
}

} // namespace hxpeers
