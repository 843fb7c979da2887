// The size of a valve inserted in a drawing: the marker in the block of its
// block reference, at the reference's position.
#include "HxWtPartLib.h"

#include "ValveMarker.h"

namespace {

// The reference's position and block; false when ref does not open as a
// block reference.
bool ReadValveReference(AcDbObjectId ref, AcGePoint3d& position, AcDbObjectId& blockId) {
    AcDbBlockReference* reference = nullptr;
    if (acdbOpenObject(reference, ref, AcDb::kForRead, false) != Acad::eOk)
        return false;
    position = reference->position();
    blockId = reference->blockTableRecord();
    reference->close();
    return true;
}

enum class MarkerAccess { kRead, kWrite };

// Finds the marker of the valve ref and reads or writes it while its block is
// open. 0 when ref does not open as a block reference, else 1.
int AccessValveMarker(AcDbObjectId ref, MarkerAccess access, double& length, double& height) {
    AcGePoint3d position;
    AcDbObjectId blockId;
    if (!ReadValveReference(ref, position, blockId))
        return 0;
    AcDbBlockTableRecord* block = nullptr;
    if (acdbOpenObject(block, blockId, AcDb::kForRead, false) != Acad::eOk)
        return 1;
    const AcDbObjectId marker = FindValveMarker(block, position);
    if (!marker.isNull() && access == MarkerAccess::kRead)
        ReadValveMarker(marker, length, height);
    else if (!marker.isNull())
        WriteValveMarker(marker, length, height, nullptr);
    block->close();
    return 1;
}

} // namespace

int HxWtGetValveSizeData(AcDbObjectId valveRef, double& length, double& height) {
    return AccessValveMarker(valveRef, MarkerAccess::kRead, length, height);
}

int HxWtSetValveSizeData(AcDbObjectId valveRef, double length, double height) {
    return AccessValveMarker(valveRef, MarkerAccess::kWrite, length, height);
}
