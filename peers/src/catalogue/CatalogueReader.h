// Peer-internal: the items of a catalogue document, read from UTF-8 text.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "HxAecDataBase.h"

namespace hxpeers {

using CatalogueItemList = std::vector<std::unique_ptr<HxDtLibItem>>;

// Parses a catalogue (root <DwgLib>, nested <Directory>, <Item>) into items in
// document order. False with the reason ("LINE: expected ..., found ...") in
// *error when the text is not a well-formed catalogue.
bool readCatalogueItems(const std::string& utf8, CatalogueItemList& items, std::string* error);

} // namespace hxpeers
