// Load-time set-up of the stand-in sibling modules.
//
// The class descriptors of the product's entities are made when the library
// is loaded, so that readers that find classes by name (the DXF reader,
// AcRxClass::find) know them before any entity is made, and the entities' DXF
// codecs are registered with the host. The library then pins
// itself in the process, as the host keeps the product's base modules loaded
// for good: unloading a module that depends on it (HxWtUtility) must not
// unload it, or its class descriptors would be made anew at the next load and
// the registry would point at code that is gone.
#include "HxWtDbObject.h"
#include "XDataItems.h"

#include <dlfcn.h>

namespace {

void pinThisLibrary() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&pinThisLibrary), &info) == 0 || info.dli_fname == nullptr)
        return;
    // RTLD_NOLOAD only takes another reference to the library already mapped.
    dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

struct LoadTimeSetUp {
    LoadTimeSetUp() {
        HxDbEntity::rxInit();
        HxDbSymbElevation::rxInit();
        HxDbPipeEntity::rxInit();
        HxDbWtPipe::rxInit();
        HxDbWtWell::rxInit();
        HxDbWtPool::rxInit();
        HxDbWtEquipment::rxInit();
        hxpeers::registerEntityCodecs();
        pinThisLibrary();
    }
};

const LoadTimeSetUp s_setUp;

} // namespace
