// Host-internal: a drawing file as read, before it becomes a database. The
// reader (DxfReader.cpp) fills it from the tags; the builder (DxfBuild.cpp)
// turns it into the objects of a new database. Keeping the two apart lets a
// read fail anywhere without touching any database.
//
// The model keeps views of the file's text (an entity's xdata is held as the
// text of its groups, checked when read and parsed when built, so that a
// whole drawing's xdata is never held twice): the text outlives the model.
#pragma once

#include "database/XDataStore.h"
#include "dxf/DxfText.h"
#include "dbmain.h"

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace hxhost {

struct DxfEntityRecord {
    std::unique_ptr<AcDbEntity> entity; // not resident; layer kept by name
    Adesk::UInt64 handle = 0;           // 0: none in the file
    std::wstring layer;
    std::wstring blockName; // INSERT: the block shown
    bool paperSpace = false;
    int line = 0;
    int xdataLine = 0;                       // the line xdataText starts on
    std::string_view xdataText;              // the groups from the first 1001 on; empty: none
    std::vector<DxfEntityRecord> attributes; // INSERT: its ATTRIBs
    Adesk::UInt64 seqendHandle = 0;
};

struct DxfTableRecord {
    std::wstring name;
    Adesk::UInt64 handle = 0;
    int flags = 0;
    int color = 7;
    std::vector<XDataApp> xdata;
    int line = 0;
};

struct DxfBlock {
    std::wstring name;
    int line = 0;
    AcGePoint3d origin; // the base point (groups 10, 20, 30)
    std::vector<DxfEntityRecord> entities;
};

struct DxfModel {
    std::string version;
    Adesk::UInt64 handseed = 0;
    AcGePoint3d insbase;
    int insunits = 0;
    std::wstring clayer;
    std::map<std::string, Adesk::UInt64> tableHandles; // "APPID", "LAYER", "BLOCK_RECORD"
    std::vector<DxfTableRecord> appids;
    std::vector<DxfTableRecord> layers;
    std::vector<DxfTableRecord> blockRecords;
    std::vector<DxfBlock> blocks;
    std::vector<DxfEntityRecord> entities; // the ENTITIES section
    std::map<std::string, Adesk::UInt64> fileHandles;
    std::vector<std::string> findings;
    DxfTextDecoder decoder; // how the file's texts decode
};

} // namespace hxhost
