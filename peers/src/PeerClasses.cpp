// Creates the class descriptors of the product's entities when the stand-in
// library is loaded, so that readers that find classes by name (the DXF
// reader, AcRxClass::find) know them before any entity is made.
#include "HxWtDbObject.h"

namespace {

struct ClassRegistration {
    ClassRegistration() {
        HxDbEntity::rxInit();
        HxDbSymbElevation::rxInit();
        HxDbPipeEntity::rxInit();
        HxDbWtPipe::rxInit();
        HxDbWtWell::rxInit();
        HxDbWtPool::rxInit();
        HxDbWtEquipment::rxInit();
    }
};

const ClassRegistration s_registration;

} // namespace
