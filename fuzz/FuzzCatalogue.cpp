// Fuzz harness: a part-library catalogue read from a file by a drawing-part
// catalogue (SetFileName, ReadFromXML), its items looked up by name, and the
// reason of a failed read required to name the file.
#include "FuzzSupport.h"

#include "HxAecDataBase.h"
#include "hxpeers/CatalogueRead.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Looks up a few names a catalogue of the bundled library holds, and one
// from the input itself, reading every attribute of what is found.
void lookUp(HxDtDwgLib& lib, const std::wstring& fromInput) {
    for (const wchar_t* name : {L"GateValve", L"闸阀", L"", fromInput.c_str()}) {
        HxDtLibItem* item = lib.FindItem(L"name", name);
        if (item == nullptr)
            continue;
        (void)item->GetDataFile();
        for (const wchar_t* attribute : {L"name", L"title", L"file3d", L"datafile"})
            (void)item->GetAttributeValue(attribute);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::wstring path = hxfuzz::writeScratch("catalogue.dml", data, size);
    {
        HxDtDwgLib lib;
        lib.SetFileName(path.c_str());
        if (lib.ReadFromXML()) {
            lookUp(lib, hxfuzz::wideFromBytes(data, size < 16 ? size : 16));
        } else if (hxpeers::lastCatalogueError().empty()) {
            std::fprintf(stderr, "catalogue: a failed read gave no reason\n");
            std::abort();
        }
    }
    hxfuzz::requireCleanHost("catalogue");
    return 0;
}
