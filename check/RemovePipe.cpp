// RemovePipe: erases the pipes of a list.
#include "HxWtPipeCheck.h"

#include "HxWtDbObject.h"

void RemovePipe(HxDbObjectIdList& pipes) {
    for (pipes.First(); !pipes.IsEnd(); pipes.Next()) {
        HxDbWtPipe* pipe = nullptr;
        if (acdbOpenObject(pipe, pipes.Current(), AcDb::kForWrite, false) != Acad::eOk)
            continue;
        pipe->erase(true); // the status is not looked at
        pipe->close();
    }
}
