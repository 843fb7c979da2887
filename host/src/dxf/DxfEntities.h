// Host-internal: the bodies of the standard entities in DXF (LINE, CIRCLE,
// TEXT, ATTRIB, ATTDEF, MTEXT, INSERT, LWPOLYLINE) and xdata, both ways. The
// common part of an entity (handle, owner, layer, colour) and the file's
// structure are the writer's and reader's (DxfWriter.cpp, DxfReader.cpp).
#pragma once

#include "dxf/DxfTags.h"
#include "dxf/DxfText.h"
#include "database/XDataStore.h"
#include "dbmain.h"

#include <memory>
#include <vector>

namespace hxhost {

// The DXF name of an entity kind written here, or null for other classes.
const char* dxfEntityName(const AcDbEntity& ent);
// Writes the entity's own groups (from its first subclass marker on).
// blockName: an INSERT's block. hasAttributes: an INSERT followed by ATTRIBs.
void writeEntityBody(const AcDbEntity& ent, const std::wstring& blockName, bool hasAttributes,
                     DxfTagWriter& out);
void writeXData(const std::vector<XDataApp>& apps, DxfTagWriter& out);
void writeXDataApp(const XDataApp& app, DxfTagWriter& out);
// True when chain is one application's, led by its 1001 item, that
// XDataStore::parse takes.
bool isOneAppChain(const resbuf* chain);
// Writes such a chain as writeXDataApp writes the application parse makes of
// it (nothing when it has no items after its 1001 item).
void writeXDataChain(const resbuf* chain, DxfTagWriter& out);

// A new entity of the named kind from its groups (xdata excluded), or null
// for kinds not read here. Throws DxfError at a malformed value. blockName
// receives an INSERT's block.
std::unique_ptr<AcDbEntity> readEntityBody(std::string_view kind, const std::vector<DxfTag>& tags,
                                           const DxfTagReader& reader,
                                           const DxfTextDecoder& decoder, std::wstring& blockName);
// The xdata of a record's groups (from its first 1001 group on).
std::vector<XDataApp> readXData(const std::vector<DxfTag>& tags, const DxfTagReader& reader,
                                const DxfTextDecoder& decoder);
// Checks the xdata of a record's groups as readXData reads them (throwing
// where it would) without making it.
void checkXData(const std::vector<DxfTag>& tags, const DxfTagReader& reader);
// The groups of xdata as they stand in a file's text, starting on line
// `line`, into tags (its contents replaced); reader is reset to the text.
void readXDataTags(std::string_view text, int line, DxfTagReader& reader,
                   std::vector<DxfTag>& tags);
// Makes chain the chain of the one application whose 1001 group is
// tags[app], straight from its groups: what XDataStore::chainOf gives for the
// application readXData reads there (null when it has no items). chain is the
// caller's, and so are its buffers: they are reused where they are, added
// where they lack and released where they are left over. False, chain
// released and null, when memory runs out.
bool readXDataChain(const std::vector<DxfTag>& tags, std::size_t app, const std::wstring& name,
                    const DxfTagReader& reader, const DxfTextDecoder& decoder, resbuf*& chain);
// The xdata of groups as they stand in a file's text, starting on line
// `line`: what readXData gave for them. reader is reset to the text; tags
// is the caller's room for the groups (its contents replaced).
std::vector<XDataApp> readXDataText(std::string_view text, int line, DxfTagReader& reader,
                                    const DxfTextDecoder& decoder, std::vector<DxfTag>& tags);

} // namespace hxhost
