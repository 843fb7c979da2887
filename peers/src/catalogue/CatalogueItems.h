// Peer-internal: the items a catalogue holds, in document order.
#pragma once

#include <memory>
#include <vector>

#include "HxAecDataBase.h"

struct HxDtLibDirectory::Items {
    std::vector<std::unique_ptr<HxDtLibItem>> list;
};
