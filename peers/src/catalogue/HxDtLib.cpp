// Catalogue files: reading a ".dml" file (a host path) into its items, and the
// reason the last read failed.
#include "HxAecDataBase.h"

#include <fstream>
#include <sstream>

#include "catalogue/CatalogueItems.h"
#include "catalogue/CatalogueReader.h"
#include "catalogue/CatalogueText.h"
#include "hxhost/HostPath.h"
#include "hxpeers/CatalogueRead.h"

namespace hxpeers {
namespace {

std::string& lastError() {
    static std::string s_error;
    return s_error;
}

// The items of the file at path; false with lastError() set.
bool readCatalogueFile(const std::string& path, CatalogueItemList& items) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        lastError() = path + ":0: the file does not open";
        return false;
    }
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (bytes.str().empty()) {
        lastError() = path + ":1: expected a catalogue (<DwgLib>), found an empty file";
        return false;
    }
    std::string text;
    std::string reason;
    if (!decodeCatalogueText(bytes.str(), text, &reason) ||
        !readCatalogueItems(text, items, &reason)) {
        lastError() = path + ":" + reason;
        return false;
    }
    return true;
}

} // namespace

const std::string& lastCatalogueError() {
    return lastError();
}

} // namespace hxpeers

void HxDtLib::SetFileName(const wchar_t* path) {
    m_fileName = path != nullptr ? path : L"";
}

bool HxDtLib::ReadFromXML() {
    if (m_items == nullptr)
        m_items = new Items;
    m_items->list.clear();
    hxpeers::lastError().clear();
    return hxpeers::readCatalogueFile(hxhost::hostPath(m_fileName.GetString()), m_items->list);
}

HxDtDwgLib::HxDtDwgLib() = default;
HxDtDwgLib::~HxDtDwgLib() = default;
